#pragma once

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>
#include <string>
#include <vector>

#include "examples/DesignBuilder.h"
#include "shell/window/DecoderView.h"
#include "shell/window/MainFrame.h"
#include "shell/window/SegmentListBox.h"
#include "tests/shell/ScriptedFileDialogs.h"
#include "tests/support/ScriptedMessageBox.h"
#include "tests/support/TempFolder.h"

// A design of the given segments; the other fields keep the builder's defaults.
inline DesignDescription Design(std::vector<SegmentEntry> segments, std::uint8_t rideType = 51) {
  DesignDescription design;
  design.rideType = rideType;
  design.segments = std::move(segments);
  return design;
}

// The caption as the desktop shows it: "*" after the name while there are
// unsaved changes, and no trace of Qt's "[*]" placeholder.
inline QString ShownCaption(QWidget& window) {
  window.winId();  // the native window, which carries the caption as shown
  return window.windowHandle()->title();
}

// The main window as the program starts it, with the user's answers to
// message boxes and file dialogs scripted and the files in a fresh folder.
struct ShellFixture {
  ShellFixture() { frame.GetDocTemplate().OnFileNew(); }

  std::string WriteDesign(const DesignDescription& design, const std::string& name = "track.td4") {
    return folder.Write(name, BuildDesignFile(design));
  }

  // Opens the file as the user does, through File > Open.
  void Open(const std::string& path) {
    fileDialogs.Answer(QString::fromStdString(path));
    frame.Commands().fileOpen->trigger();
  }
  void OpenDesign(const DesignDescription& design, const std::string& name = "track.td4") {
    Open(WriteDesign(design, name));
  }

  // Shows the window and makes it the active one, so that its shortcuts work.
  bool Activate() {
    frame.show();
    QApplication::setActiveWindow(&frame);
    return QTest::qWaitForWindowActive(&frame);
  }

  CDecoderView& View() { return frame.GetView(); }
  SegmentListBox& List() { return *View().m_wndSegmentList; }

  QStringList Lines() {
    QStringList lines;
    for (int i = 0; i < List().GetCount(); ++i) lines << List().GetText(i);
    return lines;
  }

  // Ride type, vehicle type, operating mode, segment count and file format.
  QStringList Texts() {
    CDecoderView& view = View();
    QStringList texts;
    for (QLabel* label :
         std::initializer_list<QLabel*>{view.m_wndRideType, view.m_wndVehicleType, view.m_wndOperatingMode,
                                        view.m_wndSegmentCount, view.m_wndFileFormat})
      texts << label->text();
    return texts;
  }

  TempFolder folder;
  ScriptedMessageBox messages;
  ScriptedFileDialogs fileDialogs;
  CMainFrame frame{fileDialogs};
};

// Plays the user's part in the modal dialog of type Dialog that the next
// command opens. A different window is closed so that the test cannot hang.
template <class Dialog>
void WhenModal(std::function<void(Dialog&)> interact) {
  QTimer::singleShot(0, [interact] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<Dialog*>(modal);
    if (!dialog) {
      if (modal) modal->close();
      QFAIL("the expected dialog did not open");
    }
    interact(*dialog);
  });
}
