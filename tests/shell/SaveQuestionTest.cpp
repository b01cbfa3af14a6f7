#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "tests/shell/ShellFixture.h"
#include "tests/support/Bytes.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4, kDown = 10, kLeftCurve = 16, kRightCurve = 17;

DesignDescription Turns() { return Design({{kLevel}, {kLeftCurve}, {kUp}}); }

// Root may write any file, read-only or not, so when started as root the test
// goes on as the user "nobody". Done first thing in main, before Qt starts a
// thread. Returns why the process still runs as root, or nothing.
QString DropRootPrivileges() {
  if (geteuid() != 0) return {};
  const passwd* nobody = getpwnam("nobody");
  if (!nobody) return QStringLiteral("there is no user \"nobody\" to run as");
  if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
    return QStringLiteral("root privileges cannot be given up: ") + QString::fromLocal8Bit(std::strerror(errno));
  // A process that changed its user may not be traced, not even by the leak
  // checker of the sanitizer build, unless it says so.
  prctl(PR_SET_DUMPABLE, 1);
  return {};
}
}  // namespace

class SaveQuestionTest : public QObject {
  Q_OBJECT
public:
  explicit SaveQuestionTest(QString stillRootBecause) : m_stillRootBecause(std::move(stillRootBecause)) {}

private slots:
  void yesOnAFileThatCannotTakeTheSaveOpensSaveAs();

private:
  QString m_stillRootBecause;
};

// Leaving after Reverse Track, Yes to the save question, or File > Save: the
// design's file is read-only (which is said first) or gone, so Save As asks
// where to save instead.
void SaveQuestionTest::yesOnAFileThatCannotTakeTheSaveOpensSaveAs() {
  const Bytes original = BuildDesignFile(Turns());
  const Bytes reversed = BuildDesignFile(Design({{kDown}, {kRightCurve}, {kLevel}}));
  enum class Trouble { ReadOnly, Gone };
  const struct {
    const char* name;
    Trouble trouble;
    bool saveAsAnswered;  // false: the user cancels Save As
    bool save;            // File > Save rather than leaving
  } cases[] = {
      {"gone, saved elsewhere", Trouble::Gone, true, false},  // first: it needs no ordinary user
      {"read-only, saved elsewhere", Trouble::ReadOnly, true, false},
      {"read-only, Save As cancelled", Trouble::ReadOnly, false, false},
      {"File > Save on a read-only file", Trouble::ReadOnly, true, true},
      {"File > Save on a gone file", Trouble::Gone, true, true},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    const std::string path = shell.WriteDesign(Turns());
    shell.Open(path);
    shell.frame.Commands().editReverseTrack->trigger();
    if (c.trouble == Trouble::Gone) {
      std::filesystem::remove(path);
    } else {
      std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
      if (access(path.c_str(), W_OK) == 0)
        QSKIP(qPrintable("this user may write a read-only file, so the check cannot run: " +
                         (m_stillRootBecause.isEmpty() ? QStringLiteral("it is privileged") : m_stillRootBecause)));
    }
    const QString elsewhere = QString::fromStdString(shell.folder.Path("elsewhere.td4"));
    shell.fileDialogs.Answer(c.saveAsAnswered ? std::optional<QString>(elsewhere) : std::nullopt);
    shell.frame.show();
    shell.messages.Answer(IDYES);

    (c.save ? shell.frame.Commands().fileSave : shell.frame.Commands().appExit)->trigger();

    std::vector<std::string> told;
    if (!c.save) told.push_back("Save changes to track.td4?");
    if (c.trouble == Trouble::ReadOnly) told.push_back("track.td4 is read-only.");
    QVERIFY2(shell.messages.Texts() == told, c.name);
    QVERIFY2(shell.fileDialogs.Requests().size() == 2, c.name);
    const ScriptedFileDialogs::Shown& saveAs = shell.fileDialogs.Requests().back();
    QVERIFY2(saveAs.save, c.name);
    QCOMPARE(saveAs.request.initialName, QString::fromStdString(path));
    QVERIFY2(shell.frame.isVisible() == (c.save || !c.saveAsAnswered), c.name);
    QVERIFY2(shell.frame.GetDocument().IsModified() == !c.saveAsAnswered, c.name);
    if (c.trouble == Trouble::ReadOnly) QVERIFY2(ReadFileBytes(path) == original, c.name);
    QVERIFY2(std::filesystem::exists(elsewhere.toStdString()) == c.saveAsAnswered, c.name);
    if (c.saveAsAnswered) QVERIFY2(ReadFileBytes(elsewhere.toStdString()) == reversed, c.name);
  }
}

int main(int argc, char** argv) {
  const QString stillRootBecause = DropRootPrivileges();
  QApplication app(argc, argv);
  SaveQuestionTest test(stillRootBecause);
  return QTest::qExec(&test, argc, argv);
}

#include "SaveQuestionTest.moc"
