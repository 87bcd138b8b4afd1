#include "history/history_print.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

namespace spanwright::history {

bool PrintTape(QPrinter& printer, std::string_view tape, const QFont& font, const QString& date) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    // The page in the painter's coordinates, a heading line and a blank one,
    // and the body below them.
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const QFontMetricsF metrics(font, &printer);
    const qreal headingHeight = 2 * metrics.lineSpacing();
    const qreal bodyHeight = page.height() - headingHeight;
    if (bodyHeight <= metrics.lineSpacing()) return false;

    QTextDocument body;
    body.documentLayout()->setPaintDevice(&printer);
    body.setDefaultFont(font);
    body.setDocumentMargin(0);
    body.setPlainText(QString::fromUtf8(tape.data(), static_cast<qsizetype>(tape.size())).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    body.setPageSize(QSizeF(page.width(), bodyHeight));

    for (int p = 0; p < body.pageCount(); ++p) {
        if (p > 0 && !printer.newPage()) return false;
        painter.setFont(font);
        const QRectF heading(0, 0, page.width(), metrics.lineSpacing());
        painter.drawText(heading, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Spanwright"));
        painter.drawText(heading, Qt::AlignRight | Qt::AlignTop, date);

        painter.save();
        painter.translate(0, headingHeight - p * bodyHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, p * bodyHeight, page.width(), bodyHeight);
        painter.setClipRect(context.clip);
        body.documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

}  // namespace spanwright::history
