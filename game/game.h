#pragma once

// Moved to front/game.h; kept until every include names it there.
#include "front/game.h"
