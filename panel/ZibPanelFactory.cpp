#include "ZibPanelFactory.h"

#include "ZibPanel.h"

namespace zibpanel {

QWidget* CreateControl(const QString& typeName, QWidget* parent, const QString& instanceName, ZibPanelHost* host)
{
    if (typeName != QLatin1String(ZibPanel::TypeName))
        return nullptr;
    auto* panel = new ZibPanel(parent, host);
    panel->initNew(instanceName);
    return panel;
}

} // namespace zibpanel
