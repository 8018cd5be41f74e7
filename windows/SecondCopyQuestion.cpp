#include "SecondCopyQuestion.h"

#include <QMessageBox>

namespace orbivane {

bool ConfirmSecondCopy(QWidget* parent)
{
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Orbivane"),
                         QStringLiteral("Orbivane est déjà en cours d'exécution.\nSouhaitez-vous exécuter une nouvelle "
                                        "instance ?"),
                         QMessageBox::Yes | QMessageBox::No, parent);
    question.setObjectName(QStringLiteral("SecondCopyQuestion"));
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

} // namespace orbivane
