#pragma once

// Radio button handlers that run when their button becomes selected, by a click or from code. Turning a
// button off, and clicking the one already selected, run nothing.

#include <functional>

class QObject;
class QRadioButton;

namespace halvo {

// Runs handler each time button becomes selected, for as long as context lives.
void runWhenSelected(QRadioButton* button, QObject* context, std::function<void()> handler);

} // namespace halvo
