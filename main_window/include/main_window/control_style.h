#pragma once
// How the main window's controls are made and fitted: fonts, the black
// display labels, keys with a caption or a picture, names for screen
// readers, and what a button's caption needs (platform::GrownToFit grows it).
//   CaptionKey(w, "CE", rect, ArialFont(8.25, true), tooltip, "CE Clear entry", "")
//   Fill(list, {"None", "Inches"}) -> the two items; the same items again change nothing
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "main_window/key_pictures.h"

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace spanwright::controls {

QFont SansFont(qreal points, bool bold);   // the desktop's sans-serif face
QFont ArialFont(qreal points, bool bold);  // Arial, or its metric twin Liberation Sans
void Describe(QWidget* widget, const QString& name, const QString& description);
QPushButton* PictureKey(QWidget* parent, KeyPicture picture, QRect rect, const QString& tooltip,
                        const QString& name);
QPushButton* CaptionKey(QWidget* parent, const QString& caption, QRect rect, const QFont& font,
                        const QString& tooltip, const QString& name, const QString& description);
void BlackLabel(QLabel* label, const QFont& font, Qt::Alignment alignment);
QSize CaptionNeed(const QPushButton* button, const QStringList& captions);
// The middle of a control's right edge, where a menu opens (an odd height's
// half pixel dropped): (234, 76, 58 by 19) -> (292, 85).
QPoint RightMiddle(QRect control);
// Puts the items in a list unless it holds them already (the position is the caller's).
void Fill(QComboBox* list, const std::vector<std::string>& items);

}  // namespace spanwright::controls
