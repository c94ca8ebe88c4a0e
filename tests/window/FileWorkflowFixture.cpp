#include "FileWorkflowFixture.h"

#include <QLabel>

#include <algorithm>

#include "ConfigFileText.h"
#include "Globals.h"
#include "TestFiles.h"

#include "OpenPanel.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <stdexcept>

const char kWrittenCameraTime[] = "2026/12/06-09:05:07";

const QString kLoadedMessage = QStringLiteral(
    "Configuration file loaded successfully! \nChange the configuration than pres the Save button");
const QString kRevisionMessage =
    QStringLiteral("Camera revision not supported! \nActually supported only revision v003");
const QString kUnknownFormatMessage = QStringLiteral("Unknown file format!");
const QString kPathTooLongMessage = QStringLiteral("File path too long!");

namespace {

// The writer writes the identification that the parser read, so the parser
// first reads a file holding only a supported one; its text is then replaced.
const char kBaseFirmware[] = "KAVELO FW v2.20";
const char kBaseRevision[] = "HW v003";

} // namespace

std::string configText(const ConfigFile& file) {
    KaveloConfigParser parser = parserIdentifiedAs(kBaseFirmware, kBaseRevision);
    for (const auto& [index, value] : file.settings)
        parser.setCameraValue(index, value);
    std::string text = configFileText(parser, fixedMoment());
    const std::string trailer = std::string("{") + kBaseFirmware + "}\n{" + kBaseRevision + "}";
    text.replace(text.rfind(trailer), trailer.size(),
                 "{" + file.firmware + "}\n{" + file.revision + "}");
    return text;
}

bool WorkflowState::operator==(const WorkflowState& o) const {
    return settings == o.settings && firmware == o.firmware && revision == o.revision &&
           cameraTime == o.cameraTime && path == o.path && firmwareNumber == o.firmwareNumber &&
           revisionNumber == o.revisionNumber && firstRow == o.firstRow &&
           secondRow == o.secondRow && saveEnabled == o.saveEnabled &&
           defaultsEnabled == o.defaultsEnabled && saveActionEnabled == o.saveActionEnabled;
}

void PrintTo(const WorkflowState& s, std::ostream* out) {
    *out << "{path \"" << s.path << "\", firmware \"" << s.firmware << "\" (" << s.firmwareNumber
         << "), revision \"" << s.revision << "\" (" << s.revisionNumber << "), camera time \""
         << s.cameraTime << "\", rows \"" << s.firstRow.toStdString() << "\" / \""
         << s.secondRow.toStdString() << "\", save " << s.saveEnabled << ", defaults "
         << s.defaultsEnabled << ", save action " << s.saveActionEnabled << "}";
}

std::string contentsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(unreadable)";
    return file.readAll().toStdString();
}

void openWithPanel(MyAppDelegate& delegate, const QString& path) {
    ScopedOpenPanelAnswerer user([path](const OpenPanelRequest&) { return path; });
    delegate.loadConfigFile(nullptr);
}

void clickButton(QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

void FileWorkflowTest::SetUp() {
    std::memset(configFileName, 0, kConfigFileNameSize);
    ASSERT_TRUE(directory.isValid());
    WindowTest::SetUp();
}

void FileWorkflowTest::TearDown() {
    WindowTest::TearDown();
    std::memset(configFileName, 0, kConfigFileNameSize);
}

QString FileWorkflowTest::write(const QString& name, const std::string& content) {
    const QString path = pathIn(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(content.data(), static_cast<qint64>(content.size()));
    return path;
}

QAction* FileWorkflowTest::action(const char* name) const {
    return window->findChild<QAction*>(QLatin1String(name));
}

WorkflowState FileWorkflowTest::state() const {
    return {settingsNow(),
            mCF.getFirmwareString(),
            mCF.getRevisionString(),
            mCF.getCameraTime(),
            configFileName,
            mCF.getFirmwareNumber(),
            mCF.getRevisionNumber(),
            delegate->firstRowLabelOutlet->widget()->text(),
            delegate->secondRowLabelOutlet->widget()->text(),
            delegate->saveConfigButtonOutlet->widget()->isEnabled(),
            delegate->setDefaultsButtonOutlet->widget()->isEnabled(),
            action("actionSave")->isEnabled()};
}

std::vector<QString> FileWorkflowTest::messages() const {
    std::vector<QString> texts;
    for (const ShownAlert& shown : alerts)
        texts.push_back(shown.message);
    return texts;
}

void FileWorkflowTest::record(const QString& message) {
    alerts.push_back({message, delegate->firstRowLabelOutlet->widget()->text(),
                      delegate->secondRowLabelOutlet->widget()->text(),
                      delegate->saveConfigButtonOutlet->widget()->isEnabled()});
}

QStringList cameraRowsOf(QWidget* window) {
    QStringList rows;
    auto* area = window->findChild<QWidget*>(QStringLiteral("cameraArea"));
    for (QLabel* label : area->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window))
            rows << label->text();
    }
    return rows;
}

LongestWait::LongestWait() {
    QObject::connect(&ticks_, &QTimer::timeout, [this] {
        longest_ = std::max(longest_, clock_.elapsed() - last_);
        last_ = clock_.elapsed();
    });
    clock_.start();
    ticks_.start(5);
}
