#include "CopyResultsDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

QString copySummary(const QList<CameraCopyLine>& lines) {
    const auto saved = std::count_if(lines.begin(), lines.end(), [](const CameraCopyLine& line) {
        return line.kind == CameraCopyLine::savedAndChecked;
    });
    const auto count = lines.size();
    return count == 1
               ? (saved == 1
                      ? QCoreApplication::translate("CopyResultsDialog",
                                                    "Saved and checked on 1 camera")
                      : QCoreApplication::translate("CopyResultsDialog", "Not saved on 1 camera"))
               : QCoreApplication::translate("CopyResultsDialog",
                                             "Saved and checked on %1 of %2 cameras")
                     .arg(saved)
                     .arg(count);
}

CopyResultsDialog::CopyResultsDialog(const QList<CameraCopyLine>& lines, bool canEject,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("copyResultsDialog"));
    setWindowTitle(QCoreApplication::translate("CopyResultsDialog", "Apply to Connected Cameras"));
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(copySummary(lines), this);
    layout->addWidget(summary);

    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("copyResults"));
    list->setAccessibleName(summary->text());
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setWordWrap(true);
    QList<Card> saved;
    for (const CameraCopyLine& line : lines) {
        list->addItem(QCoreApplication::translate("CopyResultsDialog", "%1: %2")
                          .arg(line.card.name, line.text));
        if (line.kind == CameraCopyLine::savedAndChecked)
            saved.append(line.card);
    }
    layout->addWidget(list, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (canEject && !saved.isEmpty()) {
        QPushButton* eject =
            buttons->addButton(QCoreApplication::translate("CopyResultsDialog", "&Eject All"),
                               QDialogButtonBox::ActionRole);
        eject->setObjectName(QStringLiteral("ejectAllButton"));
        eject->setToolTip(QCoreApplication::translate(
            "CopyResultsDialog", "Unmount and power off the cameras saved, so that they "
                                 "can be removed"));
        connect(eject, &QPushButton::clicked, this, [this, saved] {
            emit ejectAll(saved);
            accept();
        });
    }
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(QSize(480, 260)));
}
