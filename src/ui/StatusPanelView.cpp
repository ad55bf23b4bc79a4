#include "StatusPanelView.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kMargin = 6;
constexpr int kColumns = 76;  // the widest line of the panel, with room to spare
}  // namespace

namespace {
bool IsFixedWidth(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.horizontalAdvance('i') == metrics.horizontalAdvance('M');
}
}  // namespace

QFont StatusPanelFont() {
  QFont font;
  if (QFontDatabase::families().contains("Courier New")) {
    font = QFont("Courier New");
  } else {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!IsFixedWidth(font)) {
      for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family) && IsFixedWidth(QFont(family))) {
          font = QFont(family);
          break;
        }
      }
    }
  }
  font.setFixedPitch(true);
  font.setStyleHint(QFont::Monospace);
  font.setPointSize(9);
  return font;
}

StatusPanelView::StatusPanelView(const kelca::StatusPanel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {
  setFont(StatusPanelFont());
  const QFontMetrics metrics(font());
  setFixedSize(metrics.horizontalAdvance(QString(kColumns, 'M')) + 2 * kMargin,
               metrics.lineSpacing() * kelca::kStatusLines + 2 * kMargin);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QStringList StatusPanelView::VisibleLines() const {
  QStringList lines;
  for (const std::string& line : panel_.Lines) lines << QString::fromStdString(line);
  return lines;
}

void StatusPanelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font());
  int baseline = kMargin + metrics.ascent();
  for (const QString& line : VisibleLines()) {
    painter.drawText(kMargin, baseline, line);
    baseline += metrics.lineSpacing();
  }
}

void StatusPanelView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  QWidget::mousePressEvent(event);
}
