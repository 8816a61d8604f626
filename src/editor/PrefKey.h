#pragma once

// The settings keys moved to the bottom layer, where every folder can name them.
#include "platform/PrefKey.h"
