#include "shell/window/ProfileStrip.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "listing/ProfileScene.h"
#include "render/SceneColours.h"
#include "render/SceneFont.h"
#include "render/ScenePainter.h"

namespace {

// A listing line's segment numbers as the list shows them: "5" or "5-7".
QString Numbers(const ListingLine& line) {
  return line.IsGrouped() ? QStringLiteral("%1-%2").arg(line.first + 1).arg(line.last + 1)
                          : QString::number(line.first + 1);
}

QString Elevations(std::int32_t start, std::int32_t end) {
  return start == end ? QString::number(start) : QStringLiteral("%1-%2").arg(start).arg(end);
}

// What the list shows in parentheses after a line's text.
QString LineElevations(const ListingLine& line) {
  switch (line.check) {
    case ElevationCheck::TooHigh:
      return QStringLiteral("TOO HIGH!");
    case ElevationCheck::TooLow:
      return QStringLiteral("TOO LOW!");
    case ElevationCheck::Level:
    case ElevationCheck::Changing:
      break;
  }
  return Elevations(line.startElevation, line.endElevation);
}

}  // namespace

CProfileStrip::CProfileStrip(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void CProfileStrip::SetProfile(ElevationProfile profile) {
  m_profile = std::move(profile);
  m_nSelectedLine = -1;
  m_picture = {};
  update();
}

void CProfileStrip::SetSelectedLine(int line) {
  if (line == m_nSelectedLine) return;
  m_nSelectedLine = line;
  m_picture = {};
  update();
}

void CProfileStrip::SetFitText(const QString& text) {
  m_strFit = text;
  setAccessibleDescription(text);
}

ProfileLayout CProfileStrip::Layout() const {
  return LayOutProfile(ExtentOf(m_profile), width(), height(), SceneFont(font()));
}

int CProfileStrip::LineAt(double x) const {
  const int segment = Layout().SegmentAt(x);
  return segment < 0 ? -1 : m_profile.segments[std::size_t(segment)].line;
}

QString CProfileStrip::SegmentTip(int segment) const {
  const ProfileSegment& drawn = m_profile.segments[std::size_t(segment)];
  const ListingLine& line = m_profile.lines[std::size_t(drawn.line)];
  return QStringLiteral("Segment %1, elevation %2\nLine %3: %4 (%5)")
      .arg(segment + 1)
      .arg(Elevations(drawn.startElevation, drawn.endElevation), Numbers(line), QString::fromStdString(line.Text()),
           LineElevations(line));
}

QSize CProfileStrip::sizeHint() const { return {600, 180}; }

// The least height that still shows a plot between the labels above and below
// it; the segment list keeps its lines before the profile gets more.
QSize CProfileStrip::minimumSizeHint() const { return {200, 90}; }

bool CProfileStrip::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const int segment = Layout().SegmentAt(help->pos().x());
  if (segment < 0 && !m_strFit.isEmpty()) {
    QToolTip::showText(help->globalPos(), m_strFit, this);
  } else if (segment < 0) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), SegmentTip(segment), this);
  }
  return true;
}

void CProfileStrip::paintEvent(QPaintEvent*) {
  if (m_picture.isNull()) {
    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(size() * ratio);
    m_picture.setDevicePixelRatio(ratio);
    QPainter painter(&m_picture);
    const std::optional<int> selected = m_nSelectedLine >= 0 ? std::optional(m_nSelectedLine) : std::nullopt;
    const SceneFont font(this->font());
    const ProfileLayout layout = LayOutProfile(ExtentOf(m_profile), width(), height(), font);
    PaintScene(painter, DrawProfile(m_profile, layout, font, selected), ColoursOf(palette()), font);
  }
  QPainter(this).drawPixmap(0, 0, m_picture);
}

void CProfileStrip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_picture = {};
}

void CProfileStrip::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
    m_picture = {};
    update();
  }
}

void CProfileStrip::mousePressEvent(QMouseEvent* event) {
  const int line = event->button() == Qt::LeftButton ? LineAt(event->position().x()) : -1;
  if (line >= 0) emit lineClicked(line);
  QWidget::mousePressEvent(event);
}
