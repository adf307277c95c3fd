#pragma once

// The one shared modal spinner without text. While shown it lies over the whole phone window
// and swallows every touch; without a window only its state is kept.
class ActivityOverlay {
public:
    static void show();
    static void hide();
    static bool isShown();
};
