#include "fom.h"
