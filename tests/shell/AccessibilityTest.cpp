#include <QAccessible>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <cmath>

#include "shell/designs/DesignSortProxy.h"
#include "shell/designs/DesignTableModel.h"
#include "shell/designs/DesignsPanel.h"
#include "shell/window/ProfileStrip.h"
#include "tests/shell/ShellFixture.h"

namespace {
constexpr std::uint8_t kLevel = 0, kUp = 4;

// Two level segments folded into one line, then a climb.
DesignDescription Short() { return Design({{kLevel}, {kLevel}, {kUp}}); }

QAccessibleInterface* Reader(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// The window with a design open and the Designs panel showing a folder of two designs.
struct PanelShown : ShellFixture {
  PanelShown() {
    OpenDesign(Short());
    designs.Write("a.td4", BuildDesignFile(Short()));
    designs.Write("b.td4", BuildDesignFile(Short()));
    Panel().OpenFolder(QString::fromStdString(designs.Path("")).chopped(1));
  }
  DesignsPanel& Panel() { return frame.GetDesignsPanel(); }
  QTableView& Table() { return Panel().Table(); }
  QLineEdit& Filter() { return Panel().FilterField(); }
  CProfileStrip& Profile() { return frame.GetProfileStrip(); }

  TempFolder designs;
};

// The focus events a screen reader receives: the object each one names.
struct FocusEvents {
  FocusEvents() {
    s_pRecording = this;
    QAccessible::installUpdateHandler(&Record);
    QAccessible::setActive(true);
  }
  ~FocusEvents() {
    QAccessible::installUpdateHandler(nullptr);
    s_pRecording = nullptr;
  }
  static void Record(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus) s_pRecording->named.push_back(event->object());
  }

  std::vector<QObject*> named;
  static inline FocusEvents* s_pRecording = nullptr;
};

// The contrast ratio of two colours, from their relative luminance (as the
// web's accessibility guidelines define both).
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& colour) {
    const auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT
private slots:
  void namesTheControlsOfTheWindow();
  void tabAndF6LeaveEveryPart();
  void openingFromThePanelLeavesTheFocusThere();
  void theFocusedPartStandsOut();
};

void AccessibilityTest::namesTheControlsOfTheWindow() {
  PanelShown shell;
  QTRY_VERIFY(!shell.Panel().IsScanning());
  QCOMPARE(shell.Lines().size(), 2);
  QToolButton* clear = shell.Filter().findChild<QToolButton*>();
  QVERIFY(clear);
  const struct {
    QObject* control;
    QString name;
    QString description;  // null: whatever the control tells
  } cases[] = {
      {&shell.List(), "Track segments", "3 segments in 2 lines"},
      {&shell.Filter(), "Filter designs", {}},
      {clear, "Clear filter", {}},
      {&shell.Table(), "Designs", {}},
  };
  for (const auto& c : cases) {
    QCOMPARE(Reader(c.control)->text(QAccessible::Name), c.name);
    if (!c.description.isNull()) QCOMPARE(Reader(c.control)->text(QAccessible::Description), c.description);
  }

  // The form's values are labelled by the captions before them.
  CDecoderView& view = shell.View();
  const struct {
    QWidget* labelled;
    QString caption;
  } labels[] = {
      {view.m_wndRideType, "Ride Type:"},
      {view.m_wndVehicleType, "Vehicle Type:"},
      {view.m_wndOperatingMode, "Operating Mode:"},
      {view.m_wndFileFormat, "File Format:"},
  };
  for (const auto& l : labels) {
    const auto relations = Reader(l.labelled)->relations(QAccessible::Label);
    QCOMPARE(relations.size(), 1);
    QCOMPARE(relations.first().first->text(QAccessible::Name), l.caption);
  }
}

void AccessibilityTest::tabAndF6LeaveEveryPart() {
  PanelShown shell;
  QVERIFY(shell.Activate());
  QTRY_VERIFY(!shell.Panel().IsScanning());
  const auto focusAfter = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    return QApplication::focusWidget();
  };

  // Tab walks through the parts and comes back; within the table it moves no further than a cell.
  shell.List().setFocus();
  QWidget* const tabOrder[] = {&shell.Profile(), &shell.Filter(), &shell.Table(), &shell.List()};
  for (QWidget* next : tabOrder) QCOMPARE(focusAfter(Qt::Key_Tab), next);
  QWidget* const backOrder[] = {&shell.Table(), &shell.Filter(), &shell.Profile(), &shell.List()};
  for (QWidget* previous : backOrder) QCOMPARE(focusAfter(Qt::Key_Backtab, Qt::ShiftModifier), previous);

  // F6 goes from part to part, each taking the focus back where it was.
  shell.Table().setFocus();
  QCOMPARE(focusAfter(Qt::Key_F6), &shell.List());
  QCOMPARE(focusAfter(Qt::Key_F6), &shell.Profile());
  QCOMPARE(focusAfter(Qt::Key_F6), &shell.Table());
  QCOMPARE(focusAfter(Qt::Key_F6, Qt::ShiftModifier), &shell.Profile());
  // A hidden panel is passed over.
  shell.Panel().hide();
  QCOMPARE(focusAfter(Qt::Key_F6), &shell.List());
}

void AccessibilityTest::openingFromThePanelLeavesTheFocusThere() {
  PanelShown shell;
  QVERIFY(shell.Activate());
  QTRY_VERIFY(!shell.Panel().IsScanning());
  shell.List().setFocus();
  shell.Table().setFocus();
  shell.Table().setCurrentIndex(shell.Panel().Proxy().index(1, DesignTableModel::FileName));
  FocusEvents events;
  QTest::keyClick(&shell.Table(), Qt::Key_Return);

  QCOMPARE(ShownCaption(shell.frame), "b.td4 - Tivora Track Decoder");
  QCOMPARE(QApplication::focusWidget(), &shell.Table());
  // The list selected its first line, which a screen reader must not hear of
  // as focused. Events reach a reader only where the platform has one (not offscreen).
  if (!QAccessible::isActive()) QSKIP("no screen reader bridge on this platform");
  for (QObject* named : events.named) QVERIFY(named != &shell.List());
}

void AccessibilityTest::theFocusedPartStandsOut() {
  PanelShown shell;
  QVERIFY(shell.Activate());
  QTRY_VERIFY(!shell.Panel().IsScanning());
  const struct {
    QWidget* part;
    int x;  // where its focus shows: left of the lists, inside the profile's own edge
  } cases[] = {{&shell.List(), -1}, {&shell.Table(), -1}, {&shell.Profile(), 0}};
  for (const auto& c : cases) {
    const QColor around = c.part->parentWidget()->palette().color(QPalette::Window);
    const auto edge = [&c] {
      const QImage window = c.part->parentWidget()->grab().toImage();
      return window.pixelColor(c.part->x() + c.x, c.part->y() + c.part->height() / 2);
    };
    shell.Filter().setFocus();
    QVERIFY2(Contrast(edge(), around) < 1.5, qPrintable(c.part->accessibleName()));
    c.part->setFocus();
    QVERIFY2(Contrast(edge(), around) >= 3, qPrintable(c.part->accessibleName()));
  }
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
