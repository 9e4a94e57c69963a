#include "info_windows/browser.h"
