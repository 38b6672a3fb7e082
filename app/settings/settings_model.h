// The settings model: program-wide values named after their keys in Pelorus.ini.
#pragma once

// TARGET_B: the target-browser mask (1: Internet Explorer only).
extern int g_nTargetBrowser;
