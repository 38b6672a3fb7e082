#pragma once

#define IDS_PLACEHOLDER_TEXT 1000
