#include "platform/win/Shell.h"

#include "platform/win/TempFile.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <atomic>

namespace {
QMutex g_lock;
TShellOpenHook g_openHook;
std::atomic<IMailSender*> g_sender{nullptr};

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
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? MAIL_SUCCESS
                                                                                   : MAIL_FAILURE;
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
    QString suffix = QFileInfo(fileName).suffix();
    String path = CreateTempFile(QStringLiteral("orvo-mail-"), suffix.isEmpty() ? String() : u'.' + suffix);
    if (path.isEmpty()) return MAIL_FAILURE;
    int result = MAIL_FAILURE;
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.flush()) {
            f.close();
            result = sender.Send(subject, path);
        }
    }
    QFile::remove(path);
    return result;
}
