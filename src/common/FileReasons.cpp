#include "FileReasons.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace mirevo {

QString fileFailureReason(int errnum, const QString& systemText)
{
    switch (errnum) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が足りません");
    case EACCES:
    case EPERM:
        return QStringLiteral("書き込む権限がありません");
    case EROFS:
        return QStringLiteral("読み取り専用のドライブです");
    case ENOENT:
        return QStringLiteral("保存先のフォルダーがありません");
    case ENOTDIR:
        return QStringLiteral("保存先のパスにフォルダーでないものがあります");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダーがあります");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます");
    case EIO:
        return QStringLiteral("書き込み中に装置のエラーが起きました");
    case ELOOP:
        return QStringLiteral("シンボリックリンクが循環しています");
    default:
        break;
    }
    if (errnum != 0)
        return QStringLiteral("%1 (%2)").arg(QString::fromLocal8Bit(std::strerror(errnum))).arg(errnum);
    return systemText;
}

QString specialFileKind(unsigned mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("名前付きパイプ");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("デバイス");
    if (S_ISSOCK(mode))
        return QStringLiteral("ソケット");
    return QStringLiteral("特殊なファイル");
}

} // namespace mirevo
