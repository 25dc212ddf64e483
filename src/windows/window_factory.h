#pragma once

namespace tavrin {

class AppContext;
class BoardWindow;
class DieWindow;
class DragHandle;
class EndWindow;
class HowToPlayWindow;
class QuizWindow;
class StartWindow;
class StatusStrip;
class TargetGameWindow;

// Builds a window with what it uses, taken from the game's context: the one place that knows
// both the context and every window's needs.
template <class W> W* makeWindow(AppContext& ctx);

template <> StartWindow* makeWindow<StartWindow>(AppContext& ctx);
template <> BoardWindow* makeWindow<BoardWindow>(AppContext& ctx);
template <> DieWindow* makeWindow<DieWindow>(AppContext& ctx);
template <> StatusStrip* makeWindow<StatusStrip>(AppContext& ctx);
template <> DragHandle* makeWindow<DragHandle>(AppContext& ctx);
template <> QuizWindow* makeWindow<QuizWindow>(AppContext& ctx);
template <> TargetGameWindow* makeWindow<TargetGameWindow>(AppContext& ctx);
template <> EndWindow* makeWindow<EndWindow>(AppContext& ctx);
template <> HowToPlayWindow* makeWindow<HowToPlayWindow>(AppContext& ctx);

} // namespace tavrin
