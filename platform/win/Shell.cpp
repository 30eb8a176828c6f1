#include "platform/win/Shell.h"

#include "platform/win/Folders.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <atomic>
#include <cstdlib>

namespace {
QMutex g_lock;
TShellOpenHook g_openHook;
std::atomic<IMailSender*> g_sender{nullptr};

// Folders of attachments still waiting for the program's end.
QStringList g_mailFolders;

void RemoveMailAttachmentsAtExit() {
    RemoveMailAttachments();
}

// A new folder readable by the user only (mkdtemp makes it with mode 0700 under a name
// nobody else holds); empty on failure.
QString CreatePrivateFolder() {
    QByteArray path = (TempPath() + QLatin1String("orvo-mail-XXXXXX")).toLocal8Bit();
    if (!::mkdtemp(path.data())) return QString();
    return QString::fromLocal8Bit(path);
}

TXdgMailSender& DesktopSender() {
    static TXdgMailSender sender;
    return sender;
}
} // namespace

bool ShellOpen(const String& target) {
    TShellOpenHook hook;
    {
        QMutexLocker lock(&g_lock);
        hook = g_openHook;
    }
    if (hook) return hook(target);
    QUrl url = QUrl::fromUserInput(target, QString(), QUrl::AssumeLocalFile);
    return url.isValid() && QDesktopServices::openUrl(url);
}

TShellOpenHook SetShellOpenHook(TShellOpenHook hook) {
    QMutexLocker lock(&g_lock);
    std::swap(g_openHook, hook);
    return hook;
}

bool TXdgMailSender::Available() {
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty();
}

int TXdgMailSender::Send(const String& subject, const String& attachment) {
    QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty()) return MAIL_FAILURE;
    QProcess process;
    process.start(program, {QStringLiteral("--subject"), subject, QStringLiteral("--attach"), attachment});
    // xdg-email hands the message to the mail program and returns; a minute is generous.
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(1000);
        return MAIL_FAILURE;
    }
    if (process.exitStatus() != QProcess::NormalExit) return MAIL_FAILURE;
    const int status = process.exitCode();
    return status == MAIL_USER_ABORT ? MAIL_FAILURE : status;
}

int TFakeMailSender::Send(const String& subject, const String& attachment) {
    QFile f(attachment);
    QByteArray content;
    if (f.open(QIODevice::ReadOnly)) content = f.readAll();
    Sent.push_back({subject, attachment, content});
    return Result;
}

IMailSender& MailSender() {
    IMailSender* s = g_sender.load();
    return s ? *s : DesktopSender();
}

IMailSender* SetMailSender(IMailSender* sender) {
    IMailSender* previous = g_sender.exchange(sender);
    return previous ? previous : &DesktopSender();
}

int SendFileByMail(const String& subject, const String& fileName, const QByteArray& data) {
    IMailSender& sender = MailSender();
    if (!sender.Available()) return MAIL_FAILURE;
    QString name = QFileInfo(fileName).fileName();
    if (name.isEmpty()) name = QStringLiteral("attachment");
    const QString folder = CreatePrivateFolder();
    if (folder.isEmpty()) return MAIL_FAILURE;
    const QString path = folder + u'/' + name;
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.flush()) {
            f.close();
            QDir(folder).removeRecursively();
            return MAIL_FAILURE;
        }
    }
    {
        QMutexLocker lock(&g_lock);
        static const bool registered = std::atexit(RemoveMailAttachmentsAtExit) == 0;
        (void)registered;
        g_mailFolders << folder;
    }
    return sender.Send(subject, path);
}

QStringList PendingMailAttachmentFolders() {
    QMutexLocker lock(&g_lock);
    return g_mailFolders;
}

void RemoveMailAttachments() {
    QStringList folders;
    {
        QMutexLocker lock(&g_lock);
        folders.swap(g_mailFolders);
    }
    for (const QString& folder : folders)
        QDir(folder).removeRecursively();
}
