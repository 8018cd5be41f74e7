#pragma once

#include "ZibPanel6Export.h"

#include <QFont>
#include <QPalette>
#include <QString>

#include <optional>

namespace zibpanel {

class ZibPanel;

// What a window embedding panels may offer them. A panel without a host behaves as in run
// mode with the application font, no host palette and no host tooltip.
class ZIBPANEL6_EXPORT ZibPanelHost {
public:
    virtual ~ZibPanelHost();

    // False on a design surface.
    virtual bool userMode() const { return true; }
    virtual QFont ambientFont() const;
    virtual std::optional<QPalette> ambientPalette() const { return std::nullopt; }

    // The host's own tooltip for the control; empty when the host keeps no tooltips.
    virtual std::optional<QString> toolTipFor(const ZibPanel&) const { return std::nullopt; }
    // Sets the host's tooltip for the control; false when the host keeps none.
    virtual bool setToolTipFor(ZibPanel&, const QString&) { return false; }

    // A property changed, by its name, so the host can mark its saved layout as modified.
    virtual void propertyChanged(ZibPanel&, const QString&) {}
};

} // namespace zibpanel
