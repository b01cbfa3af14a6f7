#include <QProcess>
#include <QtTest>

#include "tests/support/TempFolder.h"

class CommandLineTest : public QObject {
  Q_OBJECT
private slots:
  void answersOrRefusesBeforeAnyWindow();
};

// Runs the built program headless, with settings of its own in which the
// start-up warning is off, so that nothing can wait for a user.
void CommandLineTest::answersOrRefusesBeforeAnyWindow() {
  const struct {
    QStringList arguments;
    int exitCode;
    const char* output;  // what standard output holds, in part
    const char* errors;  // what standard error holds, in part
  } cases[] = {
      {{"--version"}, 0, "Tivora Track Decoder 1.1\n", ""},
      {{"--help"}, 0, "[file]", ""},
      {{"--bogus"}, 1, "", "Unknown option 'bogus'."},
      {{"one.td4", "two.td4"}, 1, "", "Give one track design file at most."},
  };
  for (const auto& c : cases) {
    TempFolder home;
    const QString config = QString::fromStdString(home.Path("config"));
    QDir().mkpath(config + "/Local AppWizard-Generated Applications");
    QFile settings(config + "/Local AppWizard-Generated Applications/Tivora Track Decoder.conf");
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("[Settings]\nNoWarning=1\n");
    settings.close();

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", QString::fromStdString(home.Path("")));
    environment.insert("XDG_CONFIG_HOME", config);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TTD_DESKTOP_PROGRAM), c.arguments);
    const QString name = c.arguments.join(' ');
    QVERIFY2(program.waitForFinished(10000), qPrintable(name));

    QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == c.exitCode, qPrintable(name));
    QVERIFY2(program.readAllStandardOutput().contains(c.output), qPrintable(name));
    QVERIFY2(program.readAllStandardError().contains(c.errors), qPrintable(name));
  }
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
