#pragma once

#include "ZibPanel6Export.h"

#include <QString>
#include <QWidget>

namespace zibpanel {

class ZibPanelHost;

// Creates a control of the library by its type name ("ZibPanelControl6.ZibPanel"), with the
// values of a new instance and the instance name as its caption; null for an unknown type.
ZIBPANEL6_EXPORT QWidget* CreateControl(const QString& typeName, QWidget* parent, const QString& instanceName = {},
                                        ZibPanelHost* host = nullptr);

} // namespace zibpanel
