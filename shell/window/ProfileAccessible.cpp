#include "shell/window/ProfileAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>

#include "shell/window/ProfileStrip.h"

namespace {

// The marker: an item of the chart, focused while the chart is.
class MarkerAccessible : public QAccessibleInterface {
public:
  explicit MarkerAccessible(CProfileStrip* strip) : m_pStrip(strip) {}

  bool isValid() const override { return m_pStrip; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_pStrip.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && m_pStrip ? m_pStrip->MarkerText() : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!m_pStrip) return {};
    const QRect marker = m_pStrip->MarkerRect();
    return {m_pStrip->mapToGlobal(marker.topLeft()), marker.size()};
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = m_pStrip && m_pStrip->hasFocus() && m_pStrip->GetMarker() >= 0;
    state.invisible = !m_pStrip || m_pStrip->GetMarker() < 0;
    return state;
  }

private:
  QPointer<CProfileStrip> m_pStrip;
};

class ProfileAccessible : public QAccessibleWidget {
public:
  explicit ProfileAccessible(CProfileStrip* strip)
      : QAccessibleWidget(strip, QAccessible::Chart),
        m_marker(QAccessible::registerAccessibleInterface(new MarkerAccessible(strip))) {}
  ~ProfileAccessible() override { QAccessible::deleteAccessibleInterface(m_marker); }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 ? QAccessible::accessibleInterface(m_marker) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child == QAccessible::accessibleInterface(m_marker) ? 0 : -1;
  }
  QAccessibleInterface* focusChild() const override { return child(0)->state().focused ? child(0) : nullptr; }

private:
  QAccessible::Id m_marker;
};

QAccessibleInterface* MakeProfileAccessible(const QString& className, QObject* object) {
  if (className != QLatin1StringView(CProfileStrip::staticMetaObject.className())) return nullptr;
  return new ProfileAccessible(static_cast<CProfileStrip*>(object));
}

}  // namespace

void InstallProfileAccessible() {
  static const bool installed = (QAccessible::installFactory(MakeProfileAccessible), true);
  Q_UNUSED(installed);
}

void AnnounceMarker(CProfileStrip& strip) {
  if (!QAccessible::isActive() || !strip.hasFocus()) return;
  QAccessibleInterface* marker = QAccessible::queryAccessibleInterface(&strip)->child(0);
  // A reader already on the marker hears no second focus, but does hear its new name.
  for (QAccessible::Event type : {QAccessible::Focus, QAccessible::NameChanged}) {
    QAccessibleEvent event(marker, type);
    QAccessible::updateAccessibility(&event);
  }
}
