#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/main_window.h"
#include "app/program_pictures_window.h"
#include "ui/control_lookup.h"
#include "ui/dialog_units.h"

namespace {

constexpr int IDC_ABOUT_NAME = 1201;
constexpr int IDC_ABOUT_NOTICE = 1202;
constexpr int IDC_ABOUT_ICON = 1203;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Velmoria"));
    setFont(WindowsFont(QStringLiteral("MS Shell Dlg"), 9));
    const QSize base = DialogBaseUnits(font());
    setFixedSize(MapDialogRect(QRect(0, 0, 171, 63), base).size());

    auto* icon = new QLabel(this);
    const QRect iconRect = MapDialogRect(QRect(14, 14, 21, 20), base);
    icon->setGeometry(QRect(iconRect.topLeft(), QSize(32, 32)));
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    SetControlId(icon, IDC_ABOUT_ICON);

    auto* name = new QLabel(QStringLiteral("Velmoria，V3.0C"), this);
    name->setGeometry(MapDialogRect(QRect(42, 14, 114, 8), base));
    SetControlId(name, IDC_ABOUT_NAME);

    auto* notice = new QLabel(QStringLiteral("Tarnwick developers, 2024"), this);
    notice->setGeometry(MapDialogRect(QRect(42, 26, 114, 8), base));
    SetControlId(notice, IDC_ABOUT_NOTICE);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(MapDialogRect(QRect(114, 42, 50, 14), base));
    ok->setDefault(true);
    SetControlId(ok, 1);  // IDOK
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
