#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <optional>

#include "shell/dialogs/ElevationDlg.h"
#include "tests/support/StartElevationTexts.h"
#include "tests/shell/ShellFixture.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4, kUpToVertical = 124;

DesignDescription Slope() { return Design({{kLevel}, {kUp}, {kLevel}, {kUp}, {kLevel}}); }

// Climbs of 10 each (Slope up to vertical).
DesignDescription Climbs(std::size_t count) { return Design(std::vector<SegmentEntry>(count, {kUpToVertical})); }

QLineEdit& Edit(CElevationDlg& dialog) { return *dialog.findChild<QLineEdit*>(); }

void Press(CElevationDlg& dialog, const char* button) {
  for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
    if (candidate->text() == QLatin1String(button)) return candidate->click();
  QFAIL(button);
}

// Types text over the edit's contents, as a user does after the dialog opens.
void TypeOver(CElevationDlg& dialog, const QString& text) {
  Edit(dialog).selectAll();
  Edit(dialog).del();
  QTest::keyClicks(&Edit(dialog), text);
}
}  // namespace

class ElevationDlgTest : public QObject {
  Q_OBJECT
private slots:
  void acceptingRelistsFromTheNewElevationAndKeepsTheSelection();
  void acceptingWithNoFileOnlyStoresTheValue();
  void refusesWhatIsNotAnIntegerFrom1To61();
  void cancelChangesNothing();
  void takesDigitsOnlyAndStepsWithinTheRange();
  void showsTheStartingElevationsAtWhichTheDesignFits();
  void readsAsASpinBoxNamedByItsPrompt();
};

void ElevationDlgTest::acceptingRelistsFromTheNewElevationAndKeepsTheSelection() {
  ShellFixture shell;
  shell.OpenDesign(Slope());
  shell.List().SetCurSel(3);
  WhenModal<CElevationDlg>([](CElevationDlg& dialog) {
    QCOMPARE(dialog.windowTitle(), "Set Elevation");
    QCOMPARE(Edit(dialog).text(), "1");
    TypeOver(dialog, "10");
    Press(dialog, "OK");
  });

  shell.frame.Commands().editSetElevation->trigger();

  QCOMPARE(shell.View().m_nStartElevation, 10);
  QCOMPARE(shell.Lines(), QStringList({"1\t\tLevel (10)", "2\t\tUp (10-11)", "3\t\tLevel (11)", "4\t\tUp (11-12)",
                                       "5\t\tLevel (12)"}));
  QCOMPARE(shell.List().GetCurSel(), 3);
  QVERIFY(!shell.frame.GetDocument().IsModified());

  // The elevation belongs to the view: the next design is listed from it too.
  shell.OpenDesign(Design({{kUp}}), "next.td4");
  QCOMPARE(shell.Lines(), QStringList({"1\t\tUp (10-11)"}));
}

void ElevationDlgTest::acceptingWithNoFileOnlyStoresTheValue() {
  ShellFixture shell;
  const QStringList texts = shell.Texts();
  WhenModal<CElevationDlg>([](CElevationDlg& dialog) {
    TypeOver(dialog, "61");
    Press(dialog, "OK");
  });

  shell.frame.Commands().editSetElevation->trigger();

  QCOMPARE(shell.View().m_nStartElevation, 61);
  QCOMPARE(shell.Texts(), texts);
  QVERIFY(shell.Lines().isEmpty());
}

void ElevationDlgTest::refusesWhatIsNotAnIntegerFrom1To61() {
  std::vector<StartElevationText> cases;
  std::ranges::copy_if(kStartElevationTexts, std::back_inserter(cases),
                       [](const StartElevationText& c) { return *c.refusal != '\0'; });

  ShellFixture shell;
  shell.OpenDesign(Slope());
  const QStringList lines = shell.Lines();
  WhenModal<CElevationDlg>([&](CElevationDlg& dialog) {
    for (const auto& c : cases) {
      TypeOver(dialog, c.text);
      Press(dialog, "OK");

      QVERIFY2(dialog.isVisible(), c.text);
      const MessageBoxRequest& shown = shell.messages.Shown().back();
      QCOMPARE(shown.text, c.refusal);
      QCOMPARE(shown.caption, "Tivora Track Decoder");
      QCOMPARE(shown.type, unsigned(MB_OK | MB_ICONEXCLAMATION));
      // Back in the edit with the refused text selected, ready to be typed over.
      QCOMPARE(dialog.focusWidget(), &Edit(dialog));
      QCOMPARE(Edit(dialog).selectedText(), QString::fromLatin1(c.text));
    }
    Press(dialog, "Cancel");
  });

  shell.frame.Commands().editSetElevation->trigger();

  QCOMPARE(shell.messages.Shown().size(), cases.size());
  QCOMPARE(shell.View().m_nStartElevation, 1);
  QCOMPARE(shell.Lines(), lines);
}

void ElevationDlgTest::cancelChangesNothing() {
  ShellFixture shell;
  shell.OpenDesign(Slope());
  shell.List().SetCurSel(2);
  WhenModal<CElevationDlg>([](CElevationDlg& dialog) {
    TypeOver(dialog, "20");
    Press(dialog, "Cancel");
  });

  shell.frame.Commands().editSetElevation->trigger();

  QCOMPARE(shell.View().m_nStartElevation, 1);
  QCOMPARE(shell.Lines().first(), "1\t\tLevel (1)");
  QCOMPARE(shell.List().GetCurSel(), 2);
}

void ElevationDlgTest::takesDigitsOnlyAndStepsWithinTheRange() {
  CElevationDlg dialog;
  dialog.m_nElevation = 60;
  WhenModal<CElevationDlg>([](CElevationDlg& dialog) {
    QLineEdit& edit = Edit(dialog);
    QToolButton* up = nullptr;
    QToolButton* down = nullptr;
    for (QToolButton* arrow : dialog.findChildren<QToolButton*>())
      (arrow->arrowType() == Qt::UpArrow ? up : down) = arrow;

    up->click();
    QCOMPARE(edit.text(), "61");
    up->click();
    QCOMPARE(edit.text(), "61");
    QTest::keyClick(&edit, Qt::Key_Down);
    QCOMPARE(edit.text(), "60");

    TypeOver(dialog, "-4x2");
    QCOMPARE(edit.text(), "42");
    TypeOver(dialog, "1");
    down->click();
    QCOMPARE(edit.text(), "1");
    QTest::keyClick(&edit, Qt::Key_Up);
    Press(dialog, "OK");
  });

  QCOMPARE(dialog.DoModal(), IDOK);
  QCOMPARE(dialog.m_nElevation, 2);
}

void ElevationDlgTest::showsTheStartingElevationsAtWhichTheDesignFits() {
  const struct {
    const char* name;
    std::optional<DesignDescription> design;
    QString fit;
  } cases[] = {
      // Two climbs of 1 reach 3 from 1: the top of 61 allows starts up to 59, from any start shown.
      {"slope", Slope(), "This design fits with starting elevations 1..59."},
      // Six climbs of 10 from 1 end at 61 exactly.
      {"one start", Climbs(6), "This design fits with starting elevation 1."},
      {"no start", Climbs(7), "This design fits at no starting elevation."},
      {"no design", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    ShellFixture shell;
    if (c.design) shell.OpenDesign(*c.design);
    shell.View().ShowStartElevation(20);
    QString shown = QStringLiteral("(not shown)");
    WhenModal<CElevationDlg>([&shown](CElevationDlg& dialog) {
      shown = dialog.findChild<QLabel*>(QStringLiteral("Fit"))->text();
      Press(dialog, "Cancel");
    });

    shell.frame.Commands().editSetElevation->trigger();

    QVERIFY2(shown == c.fit, c.name);
  }
}

void ElevationDlgTest::readsAsASpinBoxNamedByItsPrompt() {
  ShellFixture shell;
  shell.OpenDesign(Slope());
  shell.View().ShowStartElevation(20);
  WhenModal<CElevationDlg>([](CElevationDlg& dialog) {
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(&Edit(dialog));
    QCOMPARE(field->role(), QAccessible::SpinBox);
    QCOMPARE(field->text(QAccessible::Name), "Set the desired elevation for the first track segment:");
    QCOMPARE(field->text(QAccessible::Description), "This design fits with starting elevations 1..59.");
    QAccessibleValueInterface* value = field->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->minimumValue(), QVariant(1));
    QCOMPARE(value->maximumValue(), QVariant(61));
    QCOMPARE(value->currentValue(), QVariant(20));
    QTest::keyClick(&Edit(dialog), Qt::Key_Up);
    QCOMPARE(value->currentValue(), QVariant(21));
    QCOMPARE(field->text(QAccessible::Value), "21");
    QStringList arrows;
    for (QToolButton* arrow : dialog.findChildren<QToolButton*>())
      arrows << QAccessible::queryAccessibleInterface(arrow)->text(QAccessible::Name);
    arrows.sort();
    QCOMPARE(arrows, QStringList({"Decrease", "Increase"}));
    Press(dialog, "Cancel");
  });

  shell.frame.Commands().editSetElevation->trigger();
}

QTEST_MAIN(ElevationDlgTest)
#include "ElevationDlgTest.moc"
