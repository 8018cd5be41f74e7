// zibpanel-demo: a grid of panels showing every look of the ZibPanel control.
#include "ZibPanel.h"
#include "ZibPanelFactory.h"

#include <QApplication>
#include <QGridLayout>
#include <QMetaEnum>
#include <QPainter>
#include <QWidget>

using namespace zibpanel;

namespace {

ZibPanel* makePanel(QWidget* parent, const QString& caption)
{
    auto* panel = static_cast<ZibPanel*>(CreateControl(QString::fromLatin1(ZibPanel::TypeName), parent, caption));
    panel->setMinimumSize(150, 64);
    panel->setBackColor(0xF0F0F0);
    return panel;
}

// A 30 x 20 tile: blue and yellow squares with silver holes, silver being the mask colour.
QImage demoTile()
{
    QImage tile(30, 20, QImage::Format_RGB32);
    tile.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&tile);
    painter.fillRect(2, 2, 12, 8, QColor(40, 60, 200));
    painter.fillRect(16, 10, 12, 8, QColor(230, 200, 40));
    return tile;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("ZibPanel6 — démonstration"));
    auto* grid = new QGridLayout(&window);
    grid->setSpacing(6);
    int at = 0;
    auto place = [&](ZibPanel* panel) {
        grid->addWidget(panel, at / 6, at % 6);
        ++at;
    };

    const QMetaEnum borders = QMetaEnum::fromType<frameBorderStyleConstants>();
    for (int i = 0; i < borders.keyCount(); ++i) {
        ZibPanel* panel = makePanel(&window, QString::fromLatin1(borders.key(i)));
        panel->setBorderStyle(static_cast<frameBorderStyleConstants>(borders.value(i)));
        panel->setCaptionAlign(CaptionCenterMiddle);
        place(panel);
    }
    const QMetaEnum aligns = QMetaEnum::fromType<CaptionAlignConstants>();
    for (int sens = 0; sens < 2; ++sens) {
        for (int i = 0; i < aligns.keyCount(); ++i) {
            ZibPanel* panel = makePanel(&window, QString::fromLatin1(aligns.key(i)).mid(7));
            panel->setCaptionAlign(static_cast<CaptionAlignConstants>(aligns.value(i)));
            panel->setCaptionSens(static_cast<CaptionSensConstants>(sens));
            panel->setGradientBackColor(true);
            panel->setGradientColorStart(sens ? 0xE0E0E0 : 0x808000);
            panel->setGradientColorEnd(sens ? 0x808000 : 0xE0E0E0);
            panel->setGradientSens(sens ? Vertical : Horizontal);
            panel->setForeColor(sens ? 0x000000 : 0xFFFFFF);
            if (sens)
                panel->setMinimumHeight(110);
            place(panel);
        }
    }
    ZibPanel* tiled = makePanel(&window, QStringLiteral("Image en mosaïque"));
    tiled->setGradientBackColor(true);
    tiled->setGradientColorStart(0x0000C0);
    tiled->setGradientColorEnd(0x00C000);
    tiled->setPicture(demoTile());
    tiled->setCaptionAlign(CaptionCenterBottom);
    place(tiled);

    ZibPanel* disabled = makePanel(&window, QStringLiteral("Désactivé"));
    disabled->setPanelEnabled(false);
    disabled->setCaptionAlign(CaptionCenterMiddle);
    place(disabled);

    ZibPanel* accessKey = makePanel(&window, QStringLiteral("&Fichier && dossiers"));
    accessKey->setCaptionAlign(CaptionCenterMiddle);
    accessKey->setToolTipText(QStringLiteral("Touche d'accès : f"));
    place(accessKey);

    window.show();
    return QApplication::exec();
}
