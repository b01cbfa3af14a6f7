#include <QProcess>
#include <QtTest>

#include "tests/support/TempFolder.h"

class CommandLineTest : public QObject {
  Q_OBJECT
private slots:
  void answersOrRefusesBeforeAnyWindow();
};

namespace {
// The environment of a run: settings of its own, in which the start-up warning
// is off, and a runtime folder of its own, so that Qt has nothing to warn about.
// With a display, Qt's offscreen one; without, no display of any kind, as over
// SSH or in a script.
QProcessEnvironment RunEnvironment(const TempFolder& home, bool display) {
  const QString config = QString::fromStdString(home.Path("config"));
  QDir().mkpath(config + "/Local AppWizard-Generated Applications");
  QFile settings(config + "/Local AppWizard-Generated Applications/Tivora Track Decoder.conf");
  if (settings.open(QIODevice::WriteOnly)) settings.write("[Settings]\nNoWarning=1\n");
  settings.close();

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(variable);
  if (display) environment.insert("QT_QPA_PLATFORM", "offscreen");
  environment.insert("HOME", QString::fromStdString(home.Path("")));
  environment.insert("XDG_CONFIG_HOME", config);
  environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(home.Path("")));
  return environment;
}
}  // namespace

// Runs the built program headless, with a display and without one.
void CommandLineTest::answersOrRefusesBeforeAnyWindow() {
  const QByteArray program = TTD_DESKTOP_PROGRAM;
  const QByteArray noDisplay = "Tivora Track Decoder: There is no display to show the window on.\n";
  const struct {
    QStringList arguments;
    bool display;
    int exitCode;
    QByteArray output;  // standard output, whole, or how it begins
    bool wholeOutput;
    QByteArray errors;  // standard error, whole
  } cases[] = {
      {{"--version"}, true, 0, "Tivora Track Decoder 1.1\n", true, ""},
      {{"--version"}, false, 0, "Tivora Track Decoder 1.1\n", true, ""},
      // The rest of the help is Qt's own description of its options.
      {{"--help"},
       true,
       0,
       "Usage: " + program + " [options] [file]\nShows, checks and changes track design files (*.td4).\n",
       false,
       ""},
      {{"--help"},
       false,
       0,
       "Usage: " + program + " [options] [file]\nShows, checks and changes track design files (*.td4).\n",
       false,
       ""},
      // Qt's own options are known without a display too.
      {{"--help-all"}, false, 0, "Usage: " + program, false, ""},
      {{"--bogus"}, true, 2, "", true, "Tivora Track Decoder: Unknown option 'bogus'.\n"},
      {{"--bogus"}, false, 2, "", true, "Tivora Track Decoder: Unknown option 'bogus'.\n"},
      {{"one.td4", "two.td4"}, true, 2, "", true, "Give one track design file at most.\n"},
      {{"one.td4", "two.td4"}, false, 2, "", true, "Give one track design file at most.\n"},
      // A command line that would open the window says why it cannot.
      {{}, false, 1, "", true, noDisplay},
      {{"track.td4"}, false, 1, "", true, noDisplay},
  };
  for (const auto& c : cases) {
    TempFolder home;
    QProcess process;
    process.setProcessEnvironment(RunEnvironment(home, c.display));
    process.start(QString::fromUtf8(program), c.arguments);
    const QString name = c.arguments.join(' ') + (c.display ? " (display)" : " (no display)");
    QVERIFY2(process.waitForFinished(10000), qPrintable(name));

    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == c.exitCode, qPrintable(name));
    const QByteArray output = process.readAllStandardOutput();
    QCOMPARE(c.wholeOutput ? output : output.left(c.output.size()), c.output);
    QCOMPARE(process.readAllStandardError(), c.errors);
  }
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
