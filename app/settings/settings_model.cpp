#include "settings/settings_model.h"

int g_nTargetBrowser = 1;
