#pragma once

#include <QWidget>

namespace orbivane {

// Asks whether to run a second copy; No (the default) ends this one.
bool ConfirmSecondCopy(QWidget* parent = nullptr);

} // namespace orbivane
