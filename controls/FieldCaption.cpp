#include "controls/FieldCaption.h"

#include <QLabel>
#include <QRegularExpression>

namespace tarvela {

QString fieldCaption(const QWidget& edit)
{
    for (const auto* label : edit.window()->findChildren<QLabel*>()) {
        if (label->buddy() != &edit)
            continue;
        QString caption = label->text();
        caption.remove(QRegularExpression("&(?!&)"));
        return caption.trimmed().remove(QRegularExpression(":$"));
    }
    return {};
}

std::string withFieldCaption(const std::string& message, const std::string& fieldName, const QWidget& edit)
{
    const QString caption = fieldCaption(edit);
    if (caption.isEmpty() || fieldName.empty())
        return message;
    const QRegularExpression column("\\b" + QRegularExpression::escape(QString::fromStdString(fieldName)) + "\\b",
                                    QRegularExpression::CaseInsensitiveOption);
    return QString::fromStdString(message).replace(column, "„" + caption + "“").toStdString();
}

} // namespace tarvela
