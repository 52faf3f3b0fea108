#include "utilities/frmUserTools.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmUserTools::frmUserTools(DialogHost& host, const UserButtons& buttons)
    : ElementDialog(QStringLiteral("frmUserTools"), QStringLiteral("User Buttons"), host)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setModal(true);
    auto* grid = new QGridLayout;
    grid->addWidget(captionLabel("Label1", QStringLiteral("Button Title"), this), 0, 0);
    grid->addWidget(captionLabel("Label2", QStringLiteral("First Tag"), this), 0, 1);
    grid->addWidget(captionLabel("Label3", QStringLiteral("Second Tag"), this), 0, 2);
    const auto box = [this](const char* array, int i, const QString& text) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i));
        edit->setMinimumWidth(140);
        return edit;
    };
    for (int i = 0; i < 10; ++i) {
        const UserButton& b = buttons[size_t(i)];
        grid->addWidget(Text1[size_t(i)] = box("Text1", i, b.caption), i + 1, 0);
        grid->addWidget(Text2[size_t(i)] = box("Text2", i, b.opening), i + 1, 1);
        grid->addWidget(Text3[size_t(i)] = box("Text3", i, b.closing), i + 1, 2);
    }
    cmdOK = makeOkButton(QStringLiteral("&OK"));
    cmdCancel = makeCancelButton(QStringLiteral("&Cancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttonRow({cmdOK, cmdCancel}));
}

UserButtons frmUserTools::buttons() const
{
    UserButtons out;
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = {Text1[i]->text(), Text2[i]->text(), Text3[i]->text()};
    return out;
}
