#include "Cli.h"
#include "UsageError.h"
#include "WorkerCommands.h"

#include "CheckCommand.h"
#include "common/Error.h"
#include "common/OutputFile.h"
#include "documents/Catalogue.h"
#include "documents/Generator.h"
#include "documents/TemplateBook.h"
#include "project/Project.h"
#include "render/PdfExport.h"
#include "spreadsheet/Spreadsheet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTextStream>

namespace mirevo::cli {

namespace {

struct GenerateArgs {
    QStringList documents;
    documents::RunOptions options;
    QString templatePath;
    bool builtInOnFailure = false;
    QString site;
    QString output;
};

QString takeValue(const QStringList& args, int& i)
{
    if (i + 1 >= args.size())
        throw UsageError{QStringLiteral("%1 の値がありません").arg(args[i])};
    return args[++i];
}

GenerateArgs parseGenerate(const QStringList& args)
{
    GenerateArgs g;
    QString list = QStringLiteral("all");
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--documents"))
            list = takeValue(args, i);
        else if (a == QLatin1String("--education")) {
            if (takeValue(args, i) != QLatin1String("blank"))
                throw UsageError{QStringLiteral("--education に指定できるのは blank だけです")};
            g.options.educationBlank = true;
        } else if (a == QLatin1String("--no-address"))
            g.options.noAddress = true;
        else if (a == QLatin1String("--template"))
            g.templatePath = takeValue(args, i);
        else if (a == QLatin1String("--builtin-forms-if-bad-template"))
            g.builtInOnFailure = true;
        else if (a.startsWith(QLatin1String("--")))
            throw UsageError{QStringLiteral("知らないオプションです: %1").arg(a)};
        else
            files << a;
    }
    if (files.size() != 2)
        throw UsageError{QStringLiteral("SITE.anz と OUT.xlsx を指定してください")};
    try {
        g.documents = documents::parseDocumentList(list);
    } catch (const Error& e) {
        throw UsageError{e.message()};
    }
    g.site = files[0];
    g.output = files[1];
    return g;
}

bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo fa(a), fb(b);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

// An output that can never be written (a FIFO, a device, a read-only file)
// is refused before the documents are made.
void checkOutput(const GenerateArgs& g)
{
    if (sameFile(g.output, g.site) || sameFile(g.output, g.templatePath))
        throw Error(QStringLiteral("出力先が入力ファイルと同じです: %1").arg(g.output));
    OutputFile::check(g.output);
}

void save(sheet::Workbook& book, const QString& path)
{
    try {
        book.SaveAs(QFileInfo(path).absoluteFilePath());
    } catch (const std::exception& e) {
        throw Error(
            QStringLiteral("%1 を保存できません: %2").arg(QDir::toNativeSeparators(path), QString::fromUtf8(e.what())));
    }
}

// Reads the site and fills `book` with its documents; notes go to `err`.
int buildDocuments(const GenerateArgs& g, sheet::Application& app, sheet::Workbook& book, QTextStream& err)
{
    Project project;
    documents::readSite(g.site, project);
    const documents::SiteView site = documents::siteOf(project);
    documents::TemplateSource source;
    sheet::Workbook& forms = documents::openCheckedTemplate(
        app, g.templatePath, g.documents, [&g](const QStringList&) { return g.builtInOnFailure; }, &source);
    err << visibleText(source.description()) << Qt::endl;
    err << visibleText(checkSummary(project)) << Qt::endl;
    const documents::ConversionReport report = documents::convert(site, g.documents, g.options, forms, book);
    for (const QString& line : report.notes)
        err << visibleText(line) << Qt::endl; // notes name companies and workers of the file
    return report.sheets;
}

int generate(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const GenerateArgs g = parseGenerate(args);
    checkOutput(g);
    QElapsedTimer timer;
    timer.start();
    sheet::Application app;
    sheet::Workbook& book = app.Workbooks().Add();
    const int sheets = buildDocuments(g, app, book, err);
    save(book, g.output);
    out << QStringLiteral("%1: %2 シート (%3 秒)")
               .arg(visibleText(QDir::toNativeSeparators(g.output)))
               .arg(sheets)
               .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 2)
        << Qt::endl;
    return 0;
}

// `mirevo pdf BOOK.xlsx OUT.pdf` prints an existing workbook; any other form takes the
// options of `generate` and prints the site's documents without saving a workbook.
int pdf(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QElapsedTimer timer;
    timer.start();
    sheet::Application app;
    const bool existing = args.size() == 2 && args[0].endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive);
    const GenerateArgs g = existing ? GenerateArgs{{}, {}, {}, false, args[0], args[1]} : parseGenerate(args);
    checkOutput(g);
    sheet::Workbook* book = nullptr;
    if (existing) {
        try {
            book = &app.Workbooks().Open(g.site);
        } catch (const std::exception& e) {
            throw Error(QStringLiteral("%1 を開けません: %2")
                            .arg(QDir::toNativeSeparators(g.site), QString::fromUtf8(e.what())));
        }
    } else {
        book = &app.Workbooks().Add();
        buildDocuments(g, app, *book, err);
    }
    const int pages = render::exportPdf(*book, QFileInfo(g.output).absoluteFilePath());
    out << QStringLiteral("%1: %2 ページ (%3 秒)")
               .arg(visibleText(QDir::toNativeSeparators(g.output)))
               .arg(pages)
               .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 2)
        << Qt::endl;
    return 0;
}

int makeTemplate(const QStringList& args, QTextStream& out)
{
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--")))
        throw UsageError{QStringLiteral("OUT.xlsx を一つ指定してください")};
    OutputFile::check(args[0]);
    documents::saveTemplate(args[0]);
    int forms = 0;
    for (const documents::FormSheet& f : documents::formSheets())
        forms += f.form ? 1 : 0;
    out << QStringLiteral("%1: 様式 %2 シート").arg(visibleText(QDir::toNativeSeparators(args[0]))).arg(forms)
        << Qt::endl;
    return 0;
}

qsizetype utf8Length(uchar lead)
{
    return lead < 0x80                 ? 1
        : lead >= 0xC2 && lead <= 0xDF ? 2
        : lead >= 0xE0 && lead <= 0xEF ? 3
        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                       : 0;
}

// `bytes` as text, each byte that is not part of valid UTF-8 as "\xHH".
QString escapedBytes(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype n = utf8Length(uchar(bytes[i]));
        QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString piece = n > 0 && i + n <= bytes.size() ? QString(strict(bytes.mid(i, n))) : QString();
        if (piece.isEmpty() || strict.hasError()) {
            text += QStringLiteral("\\x%1").arg(uchar(bytes[i]), 2, 16, QLatin1Char('0'));
            ++i;
        } else {
            text += piece;
            i += n;
        }
    }
    return text;
}

} // namespace

bool isCommand(const QString& first)
{
    static const QStringList commands{
        QStringLiteral("generate"),       QStringLiteral("template"),       QStringLiteral("pdf"),
        QStringLiteral("import-workers"), QStringLiteral("export-workers"), QStringLiteral("check"),
        QStringLiteral("help"),           QStringLiteral("--help"),         QStringLiteral("-h")};
    return commands.contains(first);
}

bool startsWindow(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return true;
    const QString& first = arguments[0];
    const bool file = first.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)
        || first.endsWith(QLatin1String(".anz"), Qt::CaseInsensitive);
    return arguments.size() == 1 && !first.startsWith(u'-') && file;
}

std::optional<QStringList> decodeArguments(const QList<QByteArray>& raw, QString* refused)
{
    QStringList args;
    for (const QByteArray& bytes : raw) {
        const QString text = QFile::decodeName(bytes);
        if (QFile::encodeName(text) != bytes) {
            if (refused)
                *refused = QStringLiteral("UTF-8 として読めない名前は使えません (別の名前で書かれてしまうため): %1")
                               .arg(escapedBytes(bytes));
            return std::nullopt;
        }
        args << text;
    }
    return args;
}

QString usage()
{
    QString text
        = QStringLiteral(
              "使い方:\n"
              "  mirevo generate [--documents LIST] [--education blank] [--no-address] [--template FILE]\n"
              "                  [--builtin-forms-if-bad-template] SITE.anz OUT.xlsx\n"
              "      現場 SITE.anz の安全書類を OUT.xlsx に作成します。\n"
              "      --documents LIST   作成する書類をカンマ区切りで: list,1,2-1,2-2,2-3,3,4,5,6,7,8,9,10,11,12,13\n"
              "                         または all (既定値 all)\n"
              "      --education blank  新規入場者教育を用紙のみにします (「用紙のみ」)\n"
              "      --no-address       作業員名簿などに住所・TEL を書きません (「住所・TEL (無)」)\n"
              "      --template FILE    テンプレートを指定します (既定値: MIREVO_HOME のフォルダ、次に実行ファイルの\n"
              "                         フォルダの 安全書類(一覧).xlsx、どちらにも無ければ内蔵の様式)。テンプレートの\n"
              "                         各シートは様式の文字・枠・記入欄を検査し、通らないシートがあれば理由を表示して\n"
              "                         終わります\n"
              "      --builtin-forms-if-bad-template\n"
              "                         検査に通らないテンプレートの代わりに内蔵の様式を使います\n"
              "  mirevo pdf [--documents LIST] [--education blank] [--no-address] [--template FILE]\n"
              "             [--builtin-forms-if-bad-template] SITE.anz OUT.pdf\n"
              "      現場 SITE.anz の安全書類を PDF にします (オプションは generate と同じ)。\n"
              "  mirevo pdf BOOK.xlsx OUT.pdf\n"
              "      ブック BOOK.xlsx を印刷されるページのとおりに PDF にします。\n"
              "  mirevo template OUT.xlsx\n"
              "      テンプレート 安全書類(一覧).xlsx を OUT.xlsx に作成します。\n"
              "%1%2"
              "  mirevo --help\n"
              "      この説明を表示します。\n"
              "\n"
              "成功すると終了コード 0 で結果を一行表示します。失敗すると理由を表示し、終了コード 1 (使い方の誤りは 2) で\n"
              "終わります。このとき OUT.xlsx は作られず、元のファイルもそのまま残ります。\n"
              "使ったテンプレート (見つからないときはその注意)、提出前チェックの件数と作成時の注意は標準エラーに表示します。\n")
              .arg(workerCommandsUsage(), checkUsage());
    return text;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    try {
        if (command == QLatin1String("generate"))
            return generate(rest, out, err);
        if (command == QLatin1String("pdf"))
            return pdf(rest, out, err);
        if (command == QLatin1String("template"))
            return makeTemplate(rest, out);
        if (command == QLatin1String("import-workers"))
            return importWorkers(rest, out, err);
        if (command == QLatin1String("export-workers"))
            return exportWorkers(rest, out, err);
        if (command == QLatin1String("check"))
            return checkCommand(rest, out, err);
        if (isCommand(command)) {
            out << usage();
            return 0;
        }
        throw UsageError{command.isEmpty() ? QStringLiteral("コマンドを指定してください")
                                           : QStringLiteral("知らないコマンドです: %1").arg(command)};
    } catch (const UsageError& e) {
        err << QStringLiteral("mirevo: ") << e.message() << Qt::endl << Qt::endl << usage();
        err.flush();
        return 2;
    } catch (const Error& e) {
        err << QStringLiteral("mirevo: ") << e.message() << Qt::endl;
    } catch (const std::bad_alloc&) {
        err << QStringLiteral("mirevo: メモリが足りません") << Qt::endl;
    } catch (const std::exception& e) {
        err << QStringLiteral("mirevo: ") << visibleText(QString::fromUtf8(e.what())) << Qt::endl;
    }
    return 1;
}

} // namespace mirevo::cli
