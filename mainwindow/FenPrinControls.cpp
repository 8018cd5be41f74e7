#include "FenPrinControls.h"

#include "CommandPictures.h"
#include "WindowLayouts.h"
#include "ZibPanelFactory.h"

namespace orbivane {

const std::array<const char*, 8> PresetNames{"Bleu", "Cyanure", "Gris", "Jaune", "Mauve", "Orange", "Rouge", "Vert"};

namespace {

ZibBttn* button(QWidget* parent, const char* name, QRect place, ZibBttn::Look look, const QString& caption = {})
{
    auto* b = new ZibBttn(parent, look);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    b->setCaption(caption);
    return b;
}

ZibBttn* framePiece(QWidget* parent, const char* name, QRect place)
{
    ZibBttn* piece = button(parent, name, place, ZibBttn::Look::Gradient);
    piece->setEnabled(false);
    return piece;
}

ZibBttn* command(QWidget* parent, const char* name, int y, const QString& picture, bool hasDisabledLook = false)
{
    ZibBttn* b = button(parent, name, QRect(0, y, 40, 32), ZibBttn::Look::Picture);
    b->setPicture(CommandPicture(picture));
    b->setHoverPicture(CommandPicture(picture + QStringLiteral("-hover")));
    if (hasDisabledLook)
        b->setDisabledPicture(CommandPicture(picture + QStringLiteral("-disabled")));
    return b;
}

ZibBttn* item(QWidget* menu, const char* name, int x, int y, int width, const char* caption)
{
    return button(menu, name, QRect(x, y, width, 17), ZibBttn::Look::MenuItem, QString::fromUtf8(caption));
}

zibpanel::ZibPanel* panel(QWidget& window, const char* name, QRect place, zibpanel::ZibPanelHost* host)
{
    QWidget* created = zibpanel::CreateControl(QString::fromLatin1(zibpanel::ZibPanel::TypeName), &window,
                                               QString::fromLatin1(name), host);
    auto* p = static_cast<zibpanel::ZibPanel*>(created);
    p->setGeometry(place);
    p->setGradientBackColor(true);
    p->setBorderStyle(zibpanel::Raised);
    return p;
}

zibpanel::ZibPanel* menu(QWidget& window, const char* name, QSize size, const char* caption, bool verticalCaption,
                         zibpanel::ZibPanelHost* host)
{
    zibpanel::ZibPanel* p = panel(window, name, QRect(QPoint(MenuLeft, 0), size), host);
    p->setCaption(QString::fromUtf8(caption));
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(true);
    p->setPanelFont(font);
    p->setCaptionSens(verticalCaption ? zibpanel::CaptionVertical : zibpanel::CaptionHorizontal);
    p->setCaptionAlign(verticalCaption ? zibpanel::CaptionLeftMiddle : zibpanel::CaptionLeftTop);
    p->hide();
    return p;
}

void buildTitleAndFrame(QWidget& window, FenPrinControls& c)
{
    c.CmdDeplaceFen = button(&window, "CmdDeplaceFen", QRect(0, 0, 960, 21), ZibBttn::Look::Gradient);
    c.CmdDeplaceFen->setMovePointer(true);
    c.CmdReduire = button(&window, "CmdReduire", QRect(960, 0, 20, 21), ZibBttn::Look::Gradient, QStringLiteral("-"));
    c.CmdFermer = button(&window, "CmdFermer", QRect(980, 0, 20, 21), ZibBttn::Look::Gradient, QStringLiteral("x"));
    c.Forme3 = framePiece(&window, "Forme3", QRect(0, 21, 1000, 21));
    c.Forme1 = framePiece(&window, "Forme1", QRect(0, 42, 40, 310));
    c.Forme4 = framePiece(&window, "Forme4", QRect(960, 42, 40, 310));
    c.Forme5 = framePiece(&window, "Forme5", QRect(960, 352, 40, 357));
    c.Forme7 = framePiece(&window, "Forme7", QRect(0, 708, 1000, 21));
    c.Forme6 = framePiece(&window, "Forme6", QRect(0, 729, 1000, 21));
}

void buildCommandColumn(QWidget& window, FenPrinControls& c, zibpanel::ZibPanelHost* host)
{
    c.Forme2 = panel(window, "Forme2", QRect(0, 352, 40, 357), host);
    c.Forme2->setCaption(QString());
    QWidget* column = c.Forme2;
    c.CmdNouveau = command(column, "CmdNouveau", 0, QStringLiteral("new"));
    c.CmdEffacer = command(column, "CmdEffacer", 33, QStringLiteral("erase"), true);
    c.CmdSolution = command(column, "CmdSolution", 66, QStringLiteral("solution"), true);
    c.CmdCoulLaby = command(column, "CmdCoulLaby", 99, QStringLiteral("mazecolour"));
    c.CmdParam = command(column, "CmdParam", 133, QStringLiteral("parameters"));
    c.CmdStyle = command(column, "CmdStyle", 165, QStringLiteral("style"));
    c.CmdSons = command(column, "CmdSons", 198, QStringLiteral("soundon"));
    // The sound button keeps its two pictures; Picture shows one of them.
    c.CmdSons->setDownPicture(CommandPicture(QStringLiteral("soundon")));
    c.CmdSons->setDisabledPicture(CommandPicture(QStringLiteral("soundoff")));
    c.VScroll1 = new QScrollBar(Qt::Vertical, column);
    c.VScroll1->setObjectName(QStringLiteral("VScroll1"));
    c.VScroll1->setGeometry(8, 236, 25, 50);
    c.VScroll1->setRange(30, 60);
    c.VScroll1->setSingleStep(1);
    c.VScroll1->setPageStep(5);
    c.VScroll1->setValue(45); // the design position
    c.VScroll1->setTracking(false);
    c.VScroll1->setFocusPolicy(Qt::NoFocus);
    c.CmdApropos = command(column, "CmdApropos", 291, QStringLiteral("information"));
    c.CmdAide = command(column, "CmdAide", 324, QStringLiteral("help"));
}

void buildStyleMenu(QWidget& window, FenPrinControls& c, zibpanel::ZibPanelHost* host)
{
    c.PopUpStyle = menu(window, "PopUpStyle", QSize(189, 61), "Style du labyrinthe", false, host);
    c.CmdStyleItem[0] = item(c.PopUpStyle, "CmdStyleItem0", 36, 20, 145, "Nid d'abeilles");
    c.CmdStyleItem[1] = item(c.PopUpStyle, "CmdStyleItem1", 36, 36, 145, "Classique");
}

void buildColourMenu(QWidget& window, FenPrinControls& c, zibpanel::ZibPanelHost* host)
{
    c.PopUpCoulLab = menu(window, "PopUpCoulLab", QSize(149, 165), "Couleur du labyrinthe", true, host);
    static constexpr std::array<const char*, 8> names{"CmdBleu",  "CmdCyanure", "CmdGris",  "CmdJaune",
                                                      "CmdMauve", "CmdOrange",  "CmdRouge", "CmdVert"};
    for (std::size_t i = 0; i < names.size(); ++i)
        c.Presets[i] = item(c.PopUpCoulLab, names[i], 28, 4 + 16 * static_cast<int>(i), 113, PresetNames[i]);
    c.Line4 = new SeparatorLine(c.PopUpCoulLab, 20, 136, 141);
    c.CmdFerMnuCoulLab = item(c.PopUpCoulLab, "CmdFerMnuCoulLab", 28, 140, 113, "Fermer le menu");
}

void buildInfosMenu(QWidget& window, FenPrinControls& c, zibpanel::ZibPanelHost* host)
{
    c.PopUpInfos = menu(window, "PopUpInfos", QSize(217, 261), "Configuration des couleurs, etc.", true, host);
    QWidget* m = c.PopUpInfos;
    c.CmdApropos2 = item(m, "CmdApropos2", 20, 4, 189, "A propos...");
    c.Line1 = new SeparatorLine(m, 20, 24, 208);
    c.LblChangerCoul = new QLabel(QStringLiteral("[COULEURS]"), m);
    c.LblChangerCoul->setObjectName(QStringLiteral("LblChangerCoul"));
    c.LblChangerCoul->move(116, 28);
    c.LblChangerCoul->setFont(QFont(QStringLiteral("Verdana"), 7));
    c.LblChangerCoul->adjustSize();
    c.CmdCoulDeb = item(m, "CmdCoulDeb", 20, 44, 189, "Début du dégradé");
    c.CmdCoulFin = item(m, "CmdCoulFin", 20, 60, 189, "Fin du dégradé");
    c.CmdCoulTxt = item(m, "CmdCoulTxt", 20, 76, 189, "Texte des boutons");
    c.CmdLumiere = item(m, "CmdLumiere", 20, 92, 189, "Lumière des boutons");
    c.CmdAutrTxt = item(m, "CmdAutrTxt", 20, 108, 189, "Autres textes");
    c.CmdCoulFondFen = item(m, "CmdCoulFondFen", 20, 124, 189, "Fond des fenêtres");
    c.CmdCoulVisu = item(m, "CmdCoulVisu", 20, 140, 189, "Visualisation, dossiers, etc.");
    c.CmdReset = item(m, "CmdReset", 20, 156, 189, "Réinitialiser les couleurs");
    c.Line2 = new SeparatorLine(m, 20, 176, 208);
    c.CmdChangeTaille = item(m, "CmdChangeTaille", 20, 180, 189, "Fenêtre en 1024x768");
    c.CmdBulAide = item(m, "CmdBulAide", 20, 196, 189, "Affichage des info-bulles");
    c.CmdSupprCle = item(m, "CmdSupprCle", 20, 212, 189, "Désinstallation");
    c.Line3 = new SeparatorLine(m, 20, 232, 208);
    c.CmdFerMnu = item(m, "CmdFerMnu", 20, 236, 189, "Fermer le menu");
}

} // namespace

std::vector<ZibBttn*> FenPrinControls::menuItems() const
{
    std::vector<ZibBttn*> items{CmdApropos2, CmdCoulDeb,  CmdCoulFin,      CmdLumiere, CmdCoulTxt,
                                CmdAutrTxt,  CmdCoulFondFen, CmdCoulVisu, CmdReset,   CmdChangeTaille,
                                CmdBulAide,  CmdSupprCle, CmdFerMnu};
    items.insert(items.end(), Presets.begin(), Presets.end());
    items.push_back(CmdFerMnuCoulLab);
    items.insert(items.end(), CmdStyleItem.begin(), CmdStyleItem.end());
    return items;
}

std::vector<std::pair<ZibBttn*, QString>> FenPrinControls::tooltips() const
{
    return {
        {CmdDeplaceFen, QStringLiteral("Déplacement de la fenêtre")},
        {CmdReduire, QStringLiteral("Réduire")},
        {CmdFermer, QStringLiteral("Fermer")},
        {CmdNouveau, QStringLiteral("Dessiner un nouveau labyrinthe")},
        {CmdEffacer, QStringLiteral("Effacer le parcours")},
        {CmdSolution, QStringLiteral("Solution")},
        {CmdCoulLaby, QStringLiteral("Choix de la couleur du labyrinthe")},
        {CmdParam, QStringLiteral("Réglage des paramètres")},
        {CmdStyle, QStringLiteral("Style du labyrinthe")},
        {CmdSons, QStringLiteral("Sons (avec ou sans)")},
        {CmdApropos, QStringLiteral("A propos de Orbivane - Changer les couleurs - Etc.")},
        {CmdAide, QStringLiteral("Quelques informations...")},
    };
}

FenPrinControls BuildFenPrinControls(QWidget& window, zibpanel::ZibPanelHost* panelHost)
{
    FenPrinControls c;
    buildTitleAndFrame(window, c);
    buildCommandColumn(window, c, panelHost);
    buildStyleMenu(window, c, panelHost);
    buildColourMenu(window, c, panelHost);
    buildInfosMenu(window, c, panelHost);
    return c;
}

} // namespace orbivane
