// An object that can receive commands. The module routes none, so this level
// adds nothing but its place in the hierarchy.
#pragma once

#include "object.h"

class CCmdTarget : public CObject {};
