#pragma once

#include <QCheckBox>
#include <QSettings>
#include <memory>

#include "shell/platform/AppSettings.h"
#include "shell/app/DecoderApp.h"
#include "shell/dialogs/WarningDlg.h"
#include "tests/shell/ShellFixture.h"

// How the user ends the start-up warning.
enum class WarningExit { Ok, Escape, CloseBox };

struct WarningAnswer {
  bool check = false;
  WarningExit exit = WarningExit::Ok;
};

// The program started as the user starts it, with its settings in a fresh
// folder, so that several runs share them and nothing else does.
struct AppFixture {
  AppFixture() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(folder.Path("config")));
  }

  // A later start-up skips the warning.
  void TurnWarningOff() { OpenAppSettings()->setValue(QString::fromUtf8(kNoWarningKey), 1); }

  // Starts the program (again, if it ran before), answering the warning if it
  // shows. Returns what InitInstance returned.
  bool Start(const CCommandLineInfo& commandLine = {}, WarningAnswer answer = {}) {
    app = std::make_unique<CDecoderApp>(fileDialogs);
    warningShown = false;
    QTimer::singleShot(0, [this, answer] {
      auto* warning = qobject_cast<CWarningDlg*>(QApplication::activeModalWidget());
      if (!warning) return;
      warningShown = true;
      if (answer.check) QTest::keyClick(warning->findChild<QCheckBox*>(), Qt::Key_Space);
      switch (answer.exit) {
        case WarningExit::Ok:
          return QTest::keyClick(warning, Qt::Key_Return);
        case WarningExit::Escape:
          return QTest::keyClick(warning, Qt::Key_Escape);
        case WarningExit::CloseBox:
          warning->close();
          return;
      }
    });
    const bool started = app->InitInstance(commandLine);
    // Without a warning the answer above comes only now, and finds none.
    QCoreApplication::processEvents();
    return started;
  }

  CMainFrame& Frame() { return *app->GetMainWnd(); }

  std::string WriteDesign(const DesignDescription& design, const std::string& name) {
    return folder.Write(name, BuildDesignFile(design));
  }
  int ListedLines() { return Frame().GetView().m_wndSegmentList->GetCount(); }

  TempFolder folder;
  ScriptedMessageBox messages;
  ScriptedFileDialogs fileDialogs;
  std::unique_ptr<CDecoderApp> app;
  bool warningShown = false;
};
