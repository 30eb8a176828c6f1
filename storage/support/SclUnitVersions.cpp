#include "storage/support/SclUnitVersions.h"

namespace {
const TUnitVersionInfo Records[] = {
    SCL_UNIT_VERSION(u"scl/source/common/SclResources.pas", u"3460",
                     u"2011-01-05 20:29:18 +0100 (Wed, 05 Jan 2011)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/common/SclMime.pas", u"2921",
                     u"2009-08-09 15:08:29 +0200 (Sun, 09 Aug 2009)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/common/SclMath.pas", u"3070",
                     u"2009-11-05 17:51:58 +0100 (Thu, 05 Nov 2009)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/common/SclIniFiles.pas", u"2892",
                     u"2009-07-30 12:08:05 +0200 (Thu, 30 Jul 2009)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/common/SclDateTime.pas", u"2921",
                     u"2009-08-09 15:08:29 +0200 (Sun, 09 Aug 2009)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/common/SclCharsets.pas", u"2892",
                     u"2009-07-30 12:08:05 +0200 (Thu, 30 Jul 2009)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/common/SclAnsiStrings.pas", u"3450",
                     u"2010-12-29 12:24:04 +0100 (Wed, 29 Dec 2010)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/common/Scl8087.pas", u"2921",
                     u"2009-08-09 15:08:29 +0200 (Sun, 09 Aug 2009)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/common/SclWideStrings.pas", u"3431",
                     u"2010-12-04 15:44:31 +0100 (Sat, 04 Dec 2010)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/common/SclUnicode.pas", u"3440",
                     u"2010-12-13 10:02:57 +0100 (Mon, 13 Dec 2010)", u"SCL\\source\\common"),
    SCL_UNIT_VERSION(u"scl/source/windows/Snmp.pas", u"2892", u"2009-07-30 12:08:05 +0200 (Thu, 30 Jul 2009)",
                     u"SCL\\source\\windows"),
    SCL_UNIT_VERSION(u"scl/source/windows/mscoree_TLB.pas", u"2892",
                     u"2009-07-30 12:08:05 +0200 (Thu, 30 Jul 2009)", u"SCL\\source\\windows"),
    SCL_UNIT_VERSION(u"scl/source/windows/SclSecurity.pas", u"3063",
                     u"2009-11-03 11:45:21 +0100 (Tue, 03 Nov 2009)", u"SCL\\source\\windows"),
    SCL_UNIT_VERSION(u"scl/source/windows/SclRegistry.pas", u"3403",
                     u"2010-11-02 22:12:44 +0100 (Tue, 02 Nov 2010)", u"SCL\\source\\windows"),
    SCL_UNIT_VERSION(u"scl/source/windows/SclConsole.pas", u"2892",
                     u"2009-07-30 12:08:05 +0200 (Thu, 30 Jul 2009)", u"SCL\\source\\windows"),
};

// Notes every record while the program starts and drops the program's records at its end.
struct TRecordNotes {
    TRecordNotes() {
        for (const TUnitVersionInfo& r : Records)
            NoteUnitRevision(nullptr, &r);
    }
    ~TRecordNotes() { DropModuleRevisions(nullptr); }
};
const TRecordNotes notes;
} // namespace

std::span<const TUnitVersionInfo> RegistrationOnlyUnitVersions() {
    return Records;
}
