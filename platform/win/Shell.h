// Handing things to the desktop: opening a document or link in its application, and
// sending a file by e-mail through the desktop's mail program. Both go through replaceable
// seams so tests observe them without starting anything.
#pragma once

#include "platform/rtl/Types.h"

#include <functional>
#include <vector>

// Opens a web link, "mailto:" link or file with the desktop's handler (xdg-open); true when
// it was handed over. The result of the opening itself is not known.
using TShellOpenHook = std::function<bool(const String& target)>;
bool ShellOpen(const String& target);
TShellOpenHook SetShellOpenHook(TShellOpenHook hook);

// Results of a mail sending.
inline constexpr int MAIL_SUCCESS = 0;
inline constexpr int MAIL_USER_ABORT = 1;
inline constexpr int MAIL_FAILURE = 2;

class IMailSender {
public:
    virtual ~IMailSender() = default;
    // True when mail can be sent at all.
    virtual bool Available() = 0;
    // Opens a new message with the subject and the file attached for the user to complete.
    virtual int Send(const String& subject, const String& attachment) = 0;
};

// The desktop's mail composer through xdg-email; available when xdg-email is on the PATH.
// Exit status 0 is success; another status is the error number, except 1 (a command-line
// error), which is MAIL_FAILURE so that it is not taken for a cancelled message; a
// composer that cannot start, crashes or hangs is MAIL_FAILURE too. xdg-email cannot tell
// a cancelled message, so MAIL_USER_ABORT never comes from it.
class TXdgMailSender : public IMailSender {
public:
    bool Available() override;
    int Send(const String& subject, const String& attachment) override;
};

// A sender that records what it was asked to send and answers with Result.
class TFakeMailSender : public IMailSender {
public:
    struct TMail {
        String Subject;
        String Attachment;
        // The attachment's content at the time of sending (it is deleted afterwards).
        QByteArray Content;
    };
    bool Available() override { return IsAvailable; }
    int Send(const String& subject, const String& attachment) override;

    bool IsAvailable = true;
    int Result = MAIL_SUCCESS;
    std::vector<TMail> Sent;
};

// The sender in use; SetMailSender(nullptr) restores the desktop's. The caller keeps
// ownership. Returns the previous one.
IMailSender& MailSender();
IMailSender* SetMailSender(IMailSender* sender);

// Writes the data to a new folder private to the user in the temporary folder, under
// fileName's name (without its folder), and sends it with the subject. The mail program
// may read the attachment after xdg-email returned, so the folder stays until the program
// ends (or RemoveMailAttachments runs), whatever the result. Returns the sender's result,
// or MAIL_FAILURE when mail is unavailable or the file cannot be written (its folder is
// then removed at once).
int SendFileByMail(const String& subject, const String& fileName, const QByteArray& data);
// The folders of the attachments sent so far in this run.
QStringList PendingMailAttachmentFolders();
// Removes the attachments' folders; runs by itself when the program ends.
void RemoveMailAttachments();
