#include "Alerts.h"
#include "MediaFolders.h"
#include "OpenPanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Runs `inspect` on the first top-level widget of type T once the modal loop
// that the code under test starts is running, then closes every such widget.
template <class T, class Inspect> void whenModal(Inspect inspect) {
    QTimer::singleShot(0, [inspect] {
        bool inspected = false;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* modal = qobject_cast<T*>(widget); modal && modal->isVisible()) {
                if (!inspected)
                    inspect(*modal);
                inspected = true;
                modal->reject();
            }
        }
        EXPECT_TRUE(inspected);
    });
}

TEST(Alerts, ShowTheTextAsPlainTextWithOneOkButton) {
    const QString message = "Camera firmware too old! \nSupported from version v2.10 to v2.25 <b>";
    whenModal<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.text(), message);
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_TRUE(box.informativeText().isEmpty());
        ASSERT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.standardButton(box.buttons().first()), QMessageBox::Ok);
        EXPECT_TRUE(box.isModal());
    });
    showAlert(message);
}

TEST(Alerts, AnInstalledHandlerTakesTheTextsUntilItsGuardEnds) {
    std::vector<QString> outer, inner;
    {
        ScopedAlertHandler outerGuard([&](const QString& m) { outer.push_back(m); });
        showAlert("one");
        {
            ScopedAlertHandler innerGuard([&](const QString& m) { inner.push_back(m); });
            showAlert("two");
        }
        showAlert("three");
    }
    EXPECT_EQ(outer, (std::vector<QString>{"one", "three"}));
    EXPECT_EQ(inner, (std::vector<QString>{"two"}));
}

TEST(OpenPanel, OffersOneExistingTextFileInAnyLetterCase) {
    whenModal<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.nameFilters(), QStringList{openPanelNameFilter()});
    });
    EXPECT_EQ(runOpenPanel(), std::nullopt);

    const QString filter = openPanelNameFilter();
    const qsizetype open = filter.indexOf('('), close = filter.indexOf(')');
    ASSERT_TRUE(open >= 0 && close > open);
    const QStringList patterns = filter.mid(open + 1, close - open - 1).split(' ');
    const auto offered = [&patterns](const QString& name) {
        for (const QString& pattern : patterns) {
            if (QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive).match(name).hasMatch())
                return true;
        }
        return false;
    };
    for (const char* name : {"CONFIG.TXT", "config.txt", "Config.Txt", "a.b.tXt"})
        EXPECT_TRUE(offered(name)) << name;
    for (const char* name : {"photo.png", "CONFIG.TXT.bak", "CONFIG", "CONFIGTXT"})
        EXPECT_FALSE(offered(name)) << name;
}

TEST(OpenPanel, StartsInTheFirstPlaceWhereCardsAreMounted) {
    EXPECT_EQ(removableMediaCandidates("alice"),
              (QStringList{"/media/alice", "/run/media/alice", "/Volumes"}));
    EXPECT_EQ(removableMediaCandidates(""), QStringList{"/Volumes"});
    EXPECT_EQ(removableMediaCandidates("../etc"), QStringList{"/Volumes"});

    QTemporaryDir dir;
    QDir(dir.path()).mkdir("first");
    QDir(dir.path()).mkdir("second");
    QFile(dir.filePath("plain file")).open(QIODevice::WriteOnly);
    const QString missing = dir.filePath("missing"), plainFile = dir.filePath("plain file");
    EXPECT_EQ(
        firstExistingDirectory({missing, plainFile, dir.filePath("first"), dir.filePath("second")}),
        dir.filePath("first"));
    EXPECT_EQ(firstExistingDirectory({missing, plainFile}), QString());
}

TEST(OpenPanel, AnInstalledAnswererPlaysTheUser) {
    const struct {
        const char* what;
        std::optional<QString> answer;
        std::optional<QString> chosen;
    } cases[] = {
        {"a file chosen", QString("/media/card/CONFIG.TXT"), QString("/media/card/CONFIG.TXT")},
        {"cancelled", std::nullopt, std::nullopt},
        {"nothing chosen", QString(), std::nullopt},
    };
    for (const auto& c : cases) {
        std::vector<OpenPanelRequest> requests;
        ScopedOpenPanelAnswerer guard([&](const OpenPanelRequest& request) {
            requests.push_back(request);
            return c.answer;
        });
        EXPECT_EQ(runOpenPanel(), c.chosen) << c.what;
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].nameFilter, openPanelNameFilter());
    }
}

} // namespace
