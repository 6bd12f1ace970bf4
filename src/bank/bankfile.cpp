#include "bank/bankfile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kBankFileName = QStringLiteral("bank.json");

// Reads an array of texts; anything else in it is a fault named by `what`.
QStringList readTexts(const QJsonValue &value, const QString &what, QStringList &faults)
{
    QStringList texts;
    if (value.isUndefined())
        return texts;
    if (!value.isArray()) {
        faults << QStringLiteral("%1: трябва да е списък от текстове.").arg(what);
        return texts;
    }
    const QJsonArray array = value.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array.at(i).isString()) {
            faults << QStringLiteral("%1: ред %2 не е текст.").arg(what).arg(i + 1);
            continue;
        }
        texts << array.at(i).toString();
    }
    return texts;
}

BankQuestion readQuestion(const QJsonValue &value, int q, const QDir &folder, QStringList &faults)
{
    BankQuestion question;
    const QString label = questionLabel(q);
    if (!value.isObject()) {
        faults << QStringLiteral("%1: не е описан като обект.").arg(label);
        return question;
    }
    const QJsonObject object = value.toObject();

    const QJsonValue text = object.value(QLatin1String("text"));
    if (!text.isUndefined() && !text.isString())
        faults << QStringLiteral("%1: текстът на въпроса не е текст.").arg(label);
    question.text = text.toString();

    question.answers = readTexts(
        object.value(QLatin1String("answers")), QStringLiteral("%1, отговори").arg(label), faults);

    const QJsonValue key = object.value(QLatin1String("key"));
    if (key.isString())
        question.key = key.toString();
    else if (!key.isUndefined())
        faults << QStringLiteral("%1: верният отговор (key) не е текст.").arg(label);

    const QJsonValue figure = object.value(QLatin1String("figure"));
    if (figure.isString()) {
        question.figureFile = figure.toString();
        // Only plain file names: a bank must not reach outside its own folder.
        if (question.figureFile.isEmpty() || question.figureFile.contains(u'/')
            || question.figureFile.contains(u'\\') || question.figureFile.startsWith(u'.')) {
            faults << QStringLiteral("%1: чертежът „%2“ трябва да е име на файл в папката на теста.")
                          .arg(label, question.figureFile);
        } else {
            question.figure = QImage(folder.filePath(question.figureFile));
            if (question.figure.isNull())
                faults << QStringLiteral("%1: чертежът „%2“ липсва или не може да се прочете.")
                              .arg(label, question.figureFile);
        }
    } else if (!figure.isUndefined()) {
        faults << QStringLiteral("%1: чертежът (figure) трябва да е име на файл.").arg(label);
    }

    question.explanation = readTexts(
        object.value(QLatin1String("explanation")), QStringLiteral("%1, обяснение").arg(label), faults);
    return question;
}

} // namespace

QString questionLabel(int q)
{
    return QStringLiteral("Въпрос №%1").arg(q + 1);
}

BankFileRead readBankFolder(const QString &folder)
{
    BankFileRead read;
    const QDir dir(folder);
    QFile file(dir.filePath(kBankFileName));
    if (!file.open(QIODevice::ReadOnly)) {
        read.faults << QStringLiteral("Файлът %1 липсва в папката „%2“ или не може да се прочете.")
                           .arg(kBankFileName, folder);
        return read;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        read.faults << QStringLiteral("%1: грешка при знак %2: %3.")
                           .arg(kBankFileName)
                           .arg(error.offset)
                           .arg(error.errorString());
        return read;
    }
    if (!document.isObject()) {
        read.faults << QStringLiteral("%1: трябва да съдържа един обект.").arg(kBankFileName);
        return read;
    }
    const QJsonObject root = document.object();
    read.file.settings
        = readTexts(root.value(QLatin1String("settings")), QStringLiteral("Настройки"), read.faults);
    read.file.note = readTexts(root.value(QLatin1String("note")), QStringLiteral("Бележка"), read.faults);

    const QJsonValue questions = root.value(QLatin1String("questions"));
    if (!questions.isArray()) {
        read.faults << QStringLiteral("%1: липсва списъкът с въпроси (questions).").arg(kBankFileName);
        return read;
    }
    const QJsonArray array = questions.toArray();
    for (qsizetype q = 0; q < array.size(); ++q)
        read.file.questions.push_back(readQuestion(array.at(q), static_cast<int>(q), dir, read.faults));
    read.parsed = true;
    return read;
}
