#pragma once

#include "SeparatorLine.h"
#include "ZibBttn.h"
#include "ZibPanel.h"

#include <QLabel>
#include <QScrollBar>

#include <array>
#include <vector>

namespace zibpanel {
class ZibPanelHost;
}

namespace orbivane {

// Every control of the main window, named as in its layout. The window owns them as its
// children; this only keeps the pointers.
struct FenPrinControls {
    ZibBttn* CmdDeplaceFen = nullptr;
    ZibBttn* CmdReduire = nullptr;
    ZibBttn* CmdFermer = nullptr;
    ZibBttn* Forme1 = nullptr;
    ZibBttn* Forme3 = nullptr;
    ZibBttn* Forme4 = nullptr;
    ZibBttn* Forme5 = nullptr;
    ZibBttn* Forme6 = nullptr;
    ZibBttn* Forme7 = nullptr;

    zibpanel::ZibPanel* Forme2 = nullptr;
    ZibBttn* CmdNouveau = nullptr;
    ZibBttn* CmdEffacer = nullptr;
    ZibBttn* CmdSolution = nullptr;
    ZibBttn* CmdCoulLaby = nullptr;
    ZibBttn* CmdParam = nullptr;
    ZibBttn* CmdStyle = nullptr;
    ZibBttn* CmdSons = nullptr;
    QScrollBar* VScroll1 = nullptr;
    ZibBttn* CmdApropos = nullptr;
    ZibBttn* CmdAide = nullptr;

    zibpanel::ZibPanel* PopUpStyle = nullptr;
    std::array<ZibBttn*, 2> CmdStyleItem{};

    zibpanel::ZibPanel* PopUpCoulLab = nullptr;
    // Bleu, Cyanure, Gris, Jaune, Mauve, Orange, Rouge, Vert.
    std::array<ZibBttn*, 8> Presets{};
    SeparatorLine* Line4 = nullptr;
    ZibBttn* CmdFerMnuCoulLab = nullptr;

    zibpanel::ZibPanel* PopUpInfos = nullptr;
    ZibBttn* CmdApropos2 = nullptr;
    SeparatorLine* Line1 = nullptr;
    QLabel* LblChangerCoul = nullptr;
    ZibBttn* CmdCoulDeb = nullptr;
    ZibBttn* CmdCoulFin = nullptr;
    ZibBttn* CmdCoulTxt = nullptr;
    ZibBttn* CmdLumiere = nullptr;
    ZibBttn* CmdAutrTxt = nullptr;
    ZibBttn* CmdCoulFondFen = nullptr;
    ZibBttn* CmdCoulVisu = nullptr;
    ZibBttn* CmdReset = nullptr;
    SeparatorLine* Line2 = nullptr;
    ZibBttn* CmdChangeTaille = nullptr;
    ZibBttn* CmdBulAide = nullptr;
    ZibBttn* CmdSupprCle = nullptr;
    SeparatorLine* Line3 = nullptr;
    ZibBttn* CmdFerMnu = nullptr;

    // The items of the three menus, in the order the interface colours are applied to them.
    std::vector<ZibBttn*> menuItems() const;
    // The twelve buttons with a tooltip, and their texts.
    std::vector<std::pair<ZibBttn*, QString>> tooltips() const;
};

// The captions of the colour presets, in their order.
extern const std::array<const char*, 8> PresetNames;

// Creates the controls on the window at their places in the large layout; the panels are
// made by type name through the panel library's factory.
FenPrinControls BuildFenPrinControls(QWidget& window, zibpanel::ZibPanelHost* panelHost);

} // namespace orbivane
