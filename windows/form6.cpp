// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/form6.h"

#include "halloffame/fame.h"
#include "windows/look.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QValidator>
#include <QWindow>

namespace {

// A name is one line of text: what is typed or pasted is cleaned as it goes in, so that the
// box shows the name exactly as it will be kept.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        const QString clean = cleanName(input);
        if (clean != input) {
            pos = std::min<int>(cleanName(input.left(pos)).size(), clean.size());
            input = clean;
        }
        return Acceptable;
    }
};

}  // namespace

Form6::Form6()
{
    setWindowTitle(QString());
    setClientSize(px(6630), px(2865));
    placeClientAt(px(2070), px(2715));
    setBackground(this, Qt::white);

    const QFont font = sansFont(12, true);
    Image1 = new QLabel(this);
    Image1->setGeometry(twipsRect(120, 240, 2175, 2415));
    Image1->setPixmap(picture(QStringLiteral("halloffame"), QStringLiteral("gif")));
    Image1->setAccessibleName(tr("Hall of Fame"));

    Label1 = makeLabel(this, tr("Please enter your name to be recognized on the hall of fame."),
                       twipsRect(2640, 240, 3840, 900), font, false);
    Label1->setWordWrap(true);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 128, 255));
    Label1->setPalette(palette);
    Label1->resize(Label1->width(), Label1->heightForWidth(Label1->width()));

    Text1 = new QLineEdit(this);
    Text1->setFont(font);
    Text1->setGeometry(twipsRect(2760, 1320, 3375, 420));
    Text1->setMaxLength(MaxNameLength);
    Text1->setValidator(new NameValidator(Text1));
    Text1->setAccessibleName(tr("Your name"));

    Command1 = new QPushButton(tr("Enter Me"), this);
    Command1->setFont(font);
    Command1->setGeometry(twipsRect(3600, 2040, 1575, 495));
    setTabOrder(Text1, Command1);
    Text1->setFocus();
}

void Form6::showEvent(QShowEvent* event)
{
    // An empty title would make the window system show the program's name there; a blank
    // keeps the caption empty. It is set before the window is mapped.
    windowHandle()->setTitle(QStringLiteral(" "));
    Form::showEvent(event);
}
