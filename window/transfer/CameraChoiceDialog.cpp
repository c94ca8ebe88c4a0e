#include "CameraChoiceDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString describe(const Card& card, bool open) {
    QString text =
        QCoreApplication::translate("CameraChoiceDialog", "%1 — %2").arg(card.name, card.firmware);
    if (!card.supported)
        text += QCoreApplication::translate("CameraChoiceDialog", ", not supported");
    if (open)
        text += QCoreApplication::translate("CameraChoiceDialog", " (open now)");
    return text;
}

} // namespace

CameraChoiceDialog::CameraChoiceDialog(const QList<Card>& cameras, const QString& openCardMount,
                                       QWidget* parent)
    : QDialog(parent), cameras_(cameras) {
    setObjectName(QStringLiteral("cameraChoiceDialog"));
    setWindowTitle(QCoreApplication::translate("CameraChoiceDialog", "Apply to Connected Cameras"));
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(QCoreApplication::translate("CameraChoiceDialog",
                                               "The settings shown in the window are saved into "
                                               "each camera you tick. Each camera keeps its own "
                                               "identification, and each file is read back and "
                                               "checked after its save."),
                   this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    // Many cameras scroll rather than make the dialog taller than the screen.
    auto* list = new QWidget;
    auto* listLayout = new QVBoxLayout(list);
    for (int i = 0; i < cameras_.size(); ++i) {
        const Card& card = cameras_.at(i);
        const bool open = !openCardMount.isEmpty() &&
                          QDir::cleanPath(card.mountPoint) == QDir::cleanPath(openCardMount);
        auto* box = new QCheckBox(describe(card, open), list);
        box->setObjectName(QStringLiteral("cameraChoice%1").arg(i));
        box->setChecked(card.supported);
        box->setToolTip(QDir::toNativeSeparators(card.configPath));
        box->setAccessibleDescription(QDir::toNativeSeparators(card.configPath));
        connect(box, &QCheckBox::toggled, this, &CameraChoiceDialog::enableApply);
        listLayout->addWidget(box);
        boxes_.append(box);
    }
    listLayout->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    apply_ = buttons->addButton(QCoreApplication::translate("CameraChoiceDialog", "&Apply"),
                                QDialogButtonBox::AcceptRole);
    apply_->setObjectName(QStringLiteral("applyToCamerasButton"));
    apply_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    enableApply();
    setMinimumWidth(440);
}

QList<Card> CameraChoiceDialog::chosen() const {
    QList<Card> chosen;
    for (int i = 0; i < boxes_.size(); ++i) {
        if (boxes_.at(i)->isChecked())
            chosen.append(cameras_.at(i));
    }
    return chosen;
}

void CameraChoiceDialog::enableApply() {
    apply_->setEnabled(!chosen().isEmpty());
}
