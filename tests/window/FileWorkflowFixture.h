// The real window with its file workflow: configuration files written by our
// own writer into a scratch directory, alerts taken instead of shown, and what
// the window showed when each alert came up.
#pragma once

#include "Alerts.h"
#include "WindowFixture.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <map>
#include <string>
#include <vector>

class QAction;

// A camera's configuration file as our writer lays it out, with the given
// identifier texts and settings (index -> value).
struct ConfigFile {
    std::map<int, int> settings;
    std::string firmware = "KAVELO FW v2.20";
    std::string revision = "HW v003";
};
std::string configText(const ConfigFile& file);

// The clock text that configText writes into the file's date line.
extern const char kWrittenCameraTime[];

// What the window showed when an alert came up.
struct ShownAlert {
    QString message;
    QString firstRow;
    QString secondRow;
    bool saveEnabled;
};

// The state a load may change: settings, identification, path, status rows,
// buttons; compared whole.
struct WorkflowState {
    Settings settings;
    std::string firmware, revision, cameraTime, path;
    int firmwareNumber, revisionNumber;
    QString firstRow, secondRow;
    bool saveEnabled, defaultsEnabled, saveActionEnabled;
    bool operator==(const WorkflowState& other) const;
};

class FileWorkflowTest : public WindowTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    QString write(const QString& name, const std::string& content);
    QString write(const QString& name, const ConfigFile& file) {
        return write(name, configText(file));
    }
    QString pathIn(const QString& name) const { return directory.filePath(name); }

    QAction* action(const char* name) const;
    WorkflowState state() const;
    std::vector<QString> messages() const;

    QTemporaryDir directory;
    std::vector<ShownAlert> alerts;

  private:
    ScopedAlertHandler alertHandler{[this](const QString& message) { record(message); }};
    void record(const QString& message);
};

void PrintTo(const WorkflowState& state, std::ostream* out);

std::string contentsOf(const QString& path);
// The lines of the camera area that are on screen ("Camera X connected").
QStringList cameraRowsOf(QWidget* window);

// The longest the event loop went without running a 5 ms timer, from the
// start: what a user would feel as the window not answering.
class LongestWait {
  public:
    LongestWait();
    qint64 milliseconds() const { return longest_; }
    qint64 elapsed() const { return clock_.elapsed(); }

  private:
    QElapsedTimer clock_;
    QTimer ticks_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};
// The open panel, answered with `path`.
void openWithPanel(MyAppDelegate& delegate, const QString& path);
void clickButton(QWidget* window, const char* name);

// Messages as the window shows them.
extern const QString kLoadedMessage;
extern const QString kRevisionMessage;
extern const QString kUnknownFormatMessage;
extern const QString kPathTooLongMessage;
