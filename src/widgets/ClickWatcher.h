#pragma once

#include <functional>

class QWidget;

// Runs action when the left mouse button is released over a widget that has no click
// of its own (a label), as the form's Click handler of that control would.
void onClick(QWidget *widget, std::function<void()> action);
