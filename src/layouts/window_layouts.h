#pragma once

#include "layouts/layout.h"

namespace tavrin::layout {

// Each window's designed look, applied every time the window loads.
WindowDesign startWindowLayout();
WindowDesign boardWindowLayout();
WindowDesign dieWindowLayout();
WindowDesign statusStripLayout();
WindowDesign dragHandleLayout();
WindowDesign quizWindowLayout();
WindowDesign targetGameWindowLayout();
WindowDesign endWindowLayout();
WindowDesign imageBankLayout();
WindowDesign howToPlayWindowLayout();

// The board's squares: index i is the i-th square of the path (left, top in twips).
struct TwipPoint {
    int left, top;
};
extern const TwipPoint kTilePositions[38];

// Font faces as designed; the start-up maps them to installed free fonts of the same kind.
inline const char* const kMingFace = "細明體";
inline const char* const kComicFace = "Comic Sans MS";

} // namespace tavrin::layout
