#pragma once

#include "ZibPanel6Export.h"

#include <QObject>

namespace zibpanel {
Q_NAMESPACE_EXPORT(ZIBPANEL6_EXPORT)

// The enumerations of the panel control, with their members' exact names.
enum frameBorderStyleConstants : short { Raised = 0, Sunken = 1, Etched = 2, bump = 3, SoftRaised = 4, SoftSunken = 5, Single = 6, Flat = 7 };
Q_ENUM_NS(frameBorderStyleConstants)

enum CaptionAlignConstants : short {
    CaptionLeftTop = 0,
    CaptionCenterTop = 1,
    CaptionRightTop = 2,
    CaptionLeftMiddle = 3,
    CaptionCenterMiddle = 4,
    CaptionRightMiddle = 5,
    CaptionLeftBottom = 6,
    CaptionCenterBottom = 7,
    CaptionRightBottom = 8,
};
Q_ENUM_NS(CaptionAlignConstants)

enum GradateSensConstant : short { Horizontal = 0, Vertical = 1 };
Q_ENUM_NS(GradateSensConstant)

enum CaptionSensConstants : short { CaptionHorizontal = 0, CaptionVertical = 1 };
Q_ENUM_NS(CaptionSensConstants)

} // namespace zibpanel
