#include "support/bankfixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Fixture {

QStringList settings(char phrase, char guessing, char explanations, char reviewButtons)
{
    return { QStringLiteral("Настройки - последната цифра"),
        QStringLiteral("ЧЕО - фраза от 2 части - ") + QLatin1Char(phrase),
        QStringLiteral("Проверка за Тото - ") + QLatin1Char(guessing), QStringLiteral("Тест"),
        QStringLiteral("Дава описание - ") + QLatin1Char(explanations),
        QStringLiteral("Дава обяснения - ") + QLatin1Char(reviewButtons) };
}

BankQuestion question(const QString &text, int answers, int keyRow)
{
    BankQuestion q;
    q.text = text;
    for (int row = 1; row <= answers; ++row)
        q.answers << QStringLiteral("a%1").arg(row);
    q.key = q.answers.value(keyRow - 1);
    return q;
}

BankFile bank(int n, const QStringList &settingsRows)
{
    BankFile file;
    file.settings = settingsRows;
    for (int q = 0; q < n; ++q)
        file.questions.push_back(question(QStringLiteral("Въпрос %1").arg(q), 4, 2));
    return file;
}

QByteArray toJson(const BankFile &bank)
{
    QJsonArray questions;
    for (const BankQuestion &q : bank.questions) {
        QJsonObject object { { "text", q.text }, { "answers", QJsonArray::fromStringList(q.answers) } };
        if (q.key)
            object.insert("key", *q.key);
        if (!q.figureFile.isEmpty())
            object.insert("figure", q.figureFile);
        if (!q.explanation.isEmpty())
            object.insert("explanation", QJsonArray::fromStringList(q.explanation));
        questions.append(object);
    }
    const QJsonObject root { { "settings", QJsonArray::fromStringList(bank.settings) },
        { "note", QJsonArray::fromStringList(bank.note) }, { "questions", questions } };
    return QJsonDocument(root).toJson();
}

Folder::Folder(const BankFile &bank)
    : Folder(toJson(bank))
{
}

Folder::Folder(const QByteArray &json)
{
    QFile file(m_dir.filePath(QStringLiteral("bank.json")));
    if (file.open(QIODevice::WriteOnly))
        file.write(json);
}

void Folder::addImage(const QString &name, const QImage &image)
{
    image.save(m_dir.filePath(name), "JPG");
}

} // namespace Fixture
