#pragma once

#include "picture.h"

#include <vector>

std::vector<Picture> catalogue();
