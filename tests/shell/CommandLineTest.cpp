#include <QProcess>
#include <QtTest>

#include "tests/support/TempFolder.h"

class CommandLineTest : public QObject {
  Q_OBJECT
private slots:
  void answersOrRefusesBeforeAnyWindow();
};

// Runs the built program headless, with settings of its own in which the
// start-up warning is off, so that nothing can wait for a user, and a runtime
// folder of its own, so that Qt has nothing to warn about.
void CommandLineTest::answersOrRefusesBeforeAnyWindow() {
  const QByteArray program = TTD_DESKTOP_PROGRAM;
  const struct {
    QStringList arguments;
    int exitCode;
    QByteArray output;  // standard output, whole, or how it begins
    bool wholeOutput;
    QByteArray errors;  // standard error, whole
  } cases[] = {
      {{"--version"}, 0, "Tivora Track Decoder 1.1\n", true, ""},
      // The rest of the help is Qt's own description of its options.
      {{"--help"},
       0,
       "Usage: " + program + " [options] [file]\nShows, checks and changes track design files (*.td4).\n",
       false,
       ""},
      {{"--bogus"}, 1, "", true, "Tivora Track Decoder: Unknown option 'bogus'.\n"},
      {{"one.td4", "two.td4"}, 1, "", true, "Give one track design file at most.\n"},
  };
  for (const auto& c : cases) {
    TempFolder home;
    const QString config = QString::fromStdString(home.Path("config"));
    QDir().mkpath(config + "/Local AppWizard-Generated Applications");
    QFile settings(config + "/Local AppWizard-Generated Applications/Tivora Track Decoder.conf");
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Settings]\nNoWarning=1\n");
    settings.close();

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", QString::fromStdString(home.Path("")));
    environment.insert("XDG_CONFIG_HOME", config);
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(home.Path("")));
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(program), c.arguments);
    const QString name = c.arguments.join(' ');
    QVERIFY2(process.waitForFinished(10000), qPrintable(name));

    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == c.exitCode, qPrintable(name));
    const QByteArray output = process.readAllStandardOutput();
    QCOMPARE(c.wholeOutput ? output : output.left(c.output.size()), c.output);
    QCOMPARE(process.readAllStandardError(), c.errors);
  }
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
