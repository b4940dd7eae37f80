#include "cell_html.h"

#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <QPainter>

namespace varnel {
namespace {

constexpr int kMargin = 2;

QString AttributeValue(const QString& tag, const QString& name) {
  const int at = tag.indexOf(name, 0, Qt::CaseInsensitive);
  if (at < 0) return {};
  int i = at + name.size();
  while (i < tag.size() && tag[i].isSpace()) ++i;
  if (i >= tag.size() || tag[i] != QLatin1Char('=')) return {};
  ++i;
  while (i < tag.size() && tag[i].isSpace()) ++i;
  if (i < tag.size() && (tag[i] == QLatin1Char('"') || tag[i] == QLatin1Char('\''))) {
    const QChar q = tag[i];
    const int end = tag.indexOf(q, i + 1);
    return end < 0 ? tag.mid(i + 1) : tag.mid(i + 1, end - i - 1);
  }
  int end = i;
  while (end < tag.size() && !tag[end].isSpace() && tag[end] != QLatin1Char('>')) ++end;
  return tag.mid(i, end - i);
}

QString DecodeEntities(const QString& s) {
  if (!s.contains(QLatin1Char('&'))) return s;
  QString out = s;
  out.replace(QLatin1String("&nbsp;"), QStringLiteral(" "), Qt::CaseInsensitive);
  out.replace(QLatin1String("&lt;"), QStringLiteral("<"), Qt::CaseInsensitive);
  out.replace(QLatin1String("&gt;"), QStringLiteral(">"), Qt::CaseInsensitive);
  out.replace(QLatin1String("&quot;"), QStringLiteral("\""), Qt::CaseInsensitive);
  out.replace(QLatin1String("&amp;"), QStringLiteral("&"), Qt::CaseInsensitive);
  return out;
}

struct Builder {
  CellLayout layout;
  QVector<QColor> colors;
  int bold = 0;
  QString href;
  Qt::Alignment align = Qt::AlignLeft;
  bool inParagraph = false;

  CellLine& Current() {
    if (layout.lines.isEmpty()) layout.lines.push_back(CellLine{align, inParagraph, {}});
    return layout.lines.back();
  }
  void NewLine() { layout.lines.push_back(CellLine{align, inParagraph, {}}); }
  void AddText(const QString& text) {
    if (text.isEmpty()) return;
    CellLine& line = Current();
    line.align = align;
    line.aligned = inParagraph;
    const QColor c = colors.isEmpty() ? QColor() : colors.back();
    if (!line.runs.isEmpty()) {
      CellRun& last = line.runs.back();
      if (last.color == c && last.bold == (bold > 0) && last.href == href) {
        last.text += text;
        return;
      }
    }
    line.runs.push_back(CellRun{text, c, bold > 0, href});
  }
};

}  // namespace

CellLayout ParseCellHtml(const QString& html) {
  Builder b;
  int i = 0;
  const int n = html.size();
  while (i < n) {
    const int lt = html.indexOf(QLatin1Char('<'), i);
    if (lt < 0) {
      b.AddText(DecodeEntities(html.mid(i)));
      break;
    }
    if (lt > i) b.AddText(DecodeEntities(html.mid(i, lt - i)));
    const int gt = html.indexOf(QLatin1Char('>'), lt);
    if (gt < 0) {  // an unclosed '<' is text
      b.AddText(html.mid(lt));
      break;
    }
    const QString tag = html.mid(lt + 1, gt - lt - 1).trimmed();
    i = gt + 1;
    const bool closing = tag.startsWith(QLatin1Char('/'));
    QString name = (closing ? tag.mid(1) : tag).section(QLatin1Char(' '), 0, 0).toUpper();
    if (name.endsWith(QLatin1Char('/'))) name.chop(1);
    if (name == QLatin1String("BR")) {
      b.Current();
      b.NewLine();
    } else if (name == QLatin1String("P")) {
      if (!closing) {
        const QString a = AttributeValue(tag, QStringLiteral("ALIGN")).toLower();
        b.align = a == QLatin1String("center")  ? Qt::AlignHCenter
                  : a == QLatin1String("right") ? Qt::AlignRight
                                                : Qt::AlignLeft;
        b.inParagraph = true;
        if (!b.layout.lines.isEmpty() && !b.layout.lines.back().runs.isEmpty()) b.NewLine();
        b.Current().align = b.align;
        b.Current().aligned = true;
      } else {
        b.align = Qt::AlignLeft;
        b.inParagraph = false;
      }
    } else if (name == QLatin1String("FONT")) {
      if (!closing) {
        const QColor c(AttributeValue(tag, QStringLiteral("COLOR")));
        b.colors.push_back(c.isValid() ? c : (b.colors.isEmpty() ? QColor() : b.colors.back()));
      } else if (!b.colors.isEmpty()) {
        b.colors.pop_back();
      }
    } else if (name == QLatin1String("B")) {
      b.bold += closing ? (b.bold > 0 ? -1 : 0) : 1;
    } else if (name == QLatin1String("A")) {
      b.href = closing ? QString() : AttributeValue(tag, QStringLiteral("HREF"));
    }
  }
  return b.layout;
}

QString CellPlainText(const CellLayout& layout) {
  QStringList lines;
  for (const CellLine& line : layout.lines) {
    QString t;
    for (const CellRun& r : line.runs) t += r.text;
    lines << t;
  }
  return lines.join(QLatin1Char('\n'));
}

namespace {

// Calls fn(run, runRect) for every run as it is drawn.
template <typename Fn>
void ForEachRun(const CellLayout& layout, const QRect& cell, const QFont& font, Qt::Alignment cellAlign, Fn fn) {
  const QRect rect = cell.adjusted(kMargin, 0, -kMargin, 0);
  QFont boldFont = font;
  boldFont.setBold(true);
  const QFontMetrics fm(font);
  const QFontMetrics bfm(boldFont);
  const int lineHeight = fm.height();
  const int total = lineHeight * int(layout.lines.size());
  int y = rect.top() + (rect.height() - total) / 2;
  for (const CellLine& line : layout.lines) {
    int width = 0;
    for (const CellRun& r : line.runs) width += r.width >= 0 ? r.width : (r.bold ? bfm : fm).horizontalAdvance(r.text);
    const Qt::Alignment align = line.aligned ? line.align : (cellAlign & Qt::AlignHorizontal_Mask);
    int x = rect.left();
    if (align & Qt::AlignHCenter) x = rect.left() + (rect.width() - width) / 2;
    else if (align & Qt::AlignRight) x = rect.right() + 1 - width;
    for (const CellRun& r : line.runs) {
      const int w = r.width >= 0 ? r.width : (r.bold ? bfm : fm).horizontalAdvance(r.text);
      fn(r, QRect(x, y, w, lineHeight), r.bold ? boldFont : font, fm.ascent());
      x += w;
    }
    y += lineHeight;
  }
}

}  // namespace

namespace {

// Glyphs straight from the font's character map. Japanese cell text needs no shaping, and
// skipping it is what lets a card of a race never seen before be drawn within one frame.
bool PrepareGlyphs(CellRun& r, const QRawFont& raw) {
  if (!raw.isValid()) return false;
  const QList<quint32> indexes = raw.glyphIndexesForString(r.text);
  if (indexes.isEmpty() || indexes.contains(0)) return false;
  const QList<QPointF> advances = raw.advancesForGlyphIndexes(indexes);
  QList<QPointF> positions;
  positions.reserve(advances.size());
  qreal x = 0;
  for (const QPointF& a : advances) {
    positions.push_back(QPointF(x, 0));
    x += a.x();
  }
  r.glyphs.setRawFont(raw);
  r.glyphs.setGlyphIndexes(indexes);
  r.glyphs.setPositions(positions);
  r.width = qRound(x);
  return true;
}

}  // namespace

void PrepareCellLayout(CellLayout& layout, const QFont& font) {
  QFont boldFont = font;
  boldFont.setBold(true);
  const QFontMetrics fm(font);
  const QFontMetrics bfm(boldFont);
  static QHash<QString, QRawFont> rawFonts;
  auto it = rawFonts.find(font.key());
  if (it == rawFonts.end()) it = rawFonts.insert(font.key(), QRawFont::fromFont(font));
  const QRawFont& raw = *it;
  for (CellLine& line : layout.lines) {
    for (CellRun& r : line.runs) {
      if (!r.bold && PrepareGlyphs(r, raw)) continue;
      r.width = (r.bold ? bfm : fm).horizontalAdvance(r.text);
      r.staticText.setText(r.text);
      r.staticText.setTextFormat(Qt::PlainText);
      r.staticText.setPerformanceHint(QStaticText::AggressiveCaching);
      r.staticText.prepare(QTransform(), r.bold ? boldFont : font);
    }
  }
}

void DrawCellLayout(QPainter& p, const CellLayout& layout, const QRect& rect, const QFont& font,
                    const QColor& textColor, Qt::Alignment cellAlign) {
  p.save();
  p.setClipRect(rect);
  ForEachRun(layout, rect, font, cellAlign, [&](const CellRun& r, const QRect& box, const QFont& f, int ascent) {
    p.setFont(f);
    p.setPen(r.color.isValid() ? r.color : textColor);
    if (!r.glyphs.glyphIndexes().isEmpty()) p.drawGlyphRun(QPointF(box.left(), box.top() + ascent), r.glyphs);
    else if (r.width >= 0) p.drawStaticText(box.topLeft(), r.staticText);
    else p.drawText(QPoint(box.left(), box.top() + ascent), r.text);
    if (!r.href.isEmpty()) p.drawLine(box.left(), box.top() + ascent + 1, box.right(), box.top() + ascent + 1);
  });
  p.restore();
}

QString AnchorAt(const CellLayout& layout, const QRect& rect, const QFont& font, const QPoint& pos) {
  QString hit;
  ForEachRun(layout, rect, font, Qt::AlignLeft, [&](const CellRun& r, const QRect& box, const QFont&, int) {
    if (!r.href.isEmpty() && box.contains(pos)) hit = r.href;
  });
  return hit;
}

}  // namespace varnel
