#include "ui/planner/report_details.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace tarvelle::planner {

bool askReportDetails(QWidget* parent, ReportDetails& details) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QDialog::tr("Report Details"));
    auto* form = new QFormLayout(&dialog);
    const auto field = [&](const QString& label, const QString& value) {
        auto* edit = new QLineEdit(value, &dialog);
        edit->setObjectName(QString(label).remove(u'&'));
        edit->setAccessibleName(QString(label).remove(u'&'));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        form->addRow(label, edit);
        return edit;
    };
    QLineEdit* project = field(QDialog::tr("&Project"), details.project);
    QLineEdit* site = field(QDialog::tr("&Site"), details.site);
    QLineEdit* preparedBy = field(QDialog::tr("Prepared &by"), details.preparedBy);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    details = {project->text().trimmed(), site->text().trimmed(), preparedBy->text().trimmed()};
    return true;
}

}  // namespace tarvelle::planner
