#pragma once
// The small HTML subset of the grid cells: <BR>, <P ALIGN=...>...</P>, <FONT COLOR=...>, <B>,
// <A HREF=...>, and the entities &amp; &lt; &gt; &quot; &nbsp;. Other tags are ignored, text is
// kept. Parsing yields lines of styled runs that the cell delegate draws and hit-tests.
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QGlyphRun>
#include <QStaticText>
#include <QString>
#include <QVector>

class QPainter;

namespace varnel {

struct CellRun {
  QString text;
  QColor color;   // invalid: the cell's text colour
  bool bold = false;
  QString href;   // non-empty inside <A HREF=...>
  // Filled by PrepareCellLayout for one font: shaping the text once, not on every paint.
  int width = -1;
  QGlyphRun glyphs;         // plain runs whose characters the font has: no shaping at all
  QStaticText staticText;   // the others (bold, characters from a fallback font)
};

struct CellLine {
  Qt::Alignment align = Qt::AlignLeft;
  bool aligned = false;  // inside <P ALIGN=...>; otherwise the cell's own alignment applies
  QVector<CellRun> runs;
};

struct CellLayout {
  QVector<CellLine> lines;
};

CellLayout ParseCellHtml(const QString& html);

// The plain text of a cell (lines joined by '\n'); what copying a cell or a screen reader sees.
QString CellPlainText(const CellLayout& layout);

// Measures every run and readies its text for drawing in `font`, so that a cell kept in a cache
// is drawn without shaping its text again.
void PrepareCellLayout(CellLayout& layout, const QFont& font);

// Draws the lines vertically centred in `rect` (inset by a small margin) with `font`.
void DrawCellLayout(QPainter& p, const CellLayout& layout, const QRect& rect, const QFont& font,
                    const QColor& textColor, Qt::Alignment cellAlign = Qt::AlignLeft);

// The href of the link under `pos`, or empty.
QString AnchorAt(const CellLayout& layout, const QRect& rect, const QFont& font, const QPoint& pos);

}  // namespace varnel
