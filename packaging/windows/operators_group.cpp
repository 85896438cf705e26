// What the setup program does to Windows beyond its files, and its uninstaller undoes: the program
// folder kept to administrators, the operators' group with the right "Change the system time",
// and the two files the program writes opened to that group. Run elevated by the setup program.
// Usage: operators-group add <program folder> | operators-group remove <program folder>
// Exit code 0 when everything was done; otherwise 1, with the step that failed and Windows' error
// on standard output, which the setup program shows in its details.
#include <windows.h>
// After windows.h:
#include <aclapi.h>
#include <lm.h>
#include <ntsecapi.h>
#include <sddl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kGroupName[] = L"gpsclock operators";
constexpr wchar_t kGroupComment[] = L"GPS卫星时钟对时的操作员：可更改系统时间";
constexpr wchar_t kSystemTimeRight[] = L"SeSystemtimePrivilege";
// The files the program writes beside itself. It opens them in place (it neither deletes nor
// renames them), so writing the existing files is all the group needs: it cannot make files in
// the folder, and the setup program makes them.
constexpr const wchar_t* kWrittenFiles[] = {L"config.cfg", L"跟踪记录.txt"};
// The folder and all it holds: full control for the system and Administrators, read and run for
// Users; nothing inherited from above, which may let users change files (as C:\ does).
constexpr wchar_t kFolderAccess[] = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FRFX;;;BU)";

bool Failed(const char* step, unsigned long error) {
  std::printf("operators-group: %s failed: error %lu\n", step, error);
  return false;
}

// `sddl`'s DACL set on `path`; a DACL that is not protected keeps what it inherits.
bool SetAccess(const std::wstring& path, const std::wstring& sddl, bool isProtected) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1,
                                                            &descriptor, nullptr)) {
    return Failed("ConvertStringSecurityDescriptorToSecurityDescriptorW", GetLastError());
  }
  BOOL present = FALSE;
  BOOL defaulted = FALSE;
  PACL dacl = nullptr;
  GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted);
  const SECURITY_INFORMATION what =
      DACL_SECURITY_INFORMATION |
      (isProtected ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION);
  const DWORD error = SetNamedSecurityInfoW(const_cast<wchar_t*>(path.c_str()), SE_FILE_OBJECT,
                                            what, nullptr, nullptr, dacl, nullptr);
  LocalFree(descriptor);
  return error == ERROR_SUCCESS || Failed("SetNamedSecurityInfoW", error);
}

bool AddGroup() {
  LOCALGROUP_INFO_1 group{const_cast<wchar_t*>(kGroupName), const_cast<wchar_t*>(kGroupComment)};
  const NET_API_STATUS status =
      NetLocalGroupAdd(nullptr, 1, reinterpret_cast<BYTE*>(&group), nullptr);
  return status == NERR_Success || status == ERROR_ALIAS_EXISTS || status == NERR_GroupExists ||
         Failed("NetLocalGroupAdd", status);
}

// The group's SID as bytes; empty, with Windows' error, when there is no local group of that name.
std::vector<BYTE> GroupSid() {
  DWORD sidSize = 0;
  DWORD domainSize = 0;
  SID_NAME_USE use{};
  LookupAccountNameW(nullptr, kGroupName, nullptr, &sidSize, nullptr, &domainSize, &use);
  std::vector<BYTE> sid(sidSize);
  std::wstring domain(domainSize, L'\0');
  if (sidSize == 0 || !LookupAccountNameW(nullptr, kGroupName, sid.data(), &sidSize, domain.data(),
                                          &domainSize, &use)) {
    return {};
  }
  if (use == SidTypeAlias) return sid;
  SetLastError(ERROR_NONE_MAPPED);
  return {};
}

// The system-time right given to or taken from the group, through the local security policy.
bool ChangeRight(std::vector<BYTE>& sid, bool grant) {
  LSA_OBJECT_ATTRIBUTES attributes{};
  LSA_HANDLE policy = nullptr;
  NTSTATUS status =
      LsaOpenPolicy(nullptr, &attributes, POLICY_CREATE_ACCOUNT | POLICY_LOOKUP_NAMES, &policy);
  if (status != 0) return Failed("LsaOpenPolicy", LsaNtStatusToWinError(status));
  LSA_UNICODE_STRING right{sizeof kSystemTimeRight - sizeof(wchar_t), sizeof kSystemTimeRight,
                           const_cast<wchar_t*>(kSystemTimeRight)};
  // Taking every right also deletes the group's account in the policy, which would otherwise
  // outlive the group as an unknown SID.
  status = grant ? LsaAddAccountRights(policy, sid.data(), &right, 1)
                 : LsaRemoveAccountRights(policy, sid.data(), TRUE, nullptr, 0);
  LsaClose(policy);
  const ULONG error = LsaNtStatusToWinError(status);
  return status == 0 || (!grant && error == ERROR_FILE_NOT_FOUND) ||
         Failed(grant ? "LsaAddAccountRights" : "LsaRemoveAccountRights", error);
}

std::wstring SidText(std::vector<BYTE>& sid) {
  wchar_t* text = nullptr;
  if (!ConvertSidToStringSidW(sid.data(), &text)) return {};
  std::wstring copy = text;
  LocalFree(text);
  return copy;
}

// Each step is tried even after one failed, so that as much as Windows allows is in place.
bool Add(const std::wstring& folder) {
  bool done = SetAccess(folder, kFolderAccess, true);
  done = AddGroup() && done;
  std::vector<BYTE> sid = GroupSid();
  if (sid.empty()) return Failed("LookupAccountNameW", GetLastError());
  done = ChangeRight(sid, true) && done;
  // Read and write, neither delete nor a change of the file's access: an operator cannot put
  // another file in its place.
  const std::wstring fileAccess = L"D:(A;;FRFW;;;" + SidText(sid) + L")";
  for (const wchar_t* file : kWrittenFiles) {
    done = SetAccess(folder + L"\\" + file, fileAccess, false) && done;
  }
  return done;
}

// A group or a file that is already gone is no failure: the uninstaller may run twice. The files
// stay, with what the folder gives them: an entry for the group would outlive it as an unknown SID.
bool Remove(const std::wstring& folder) {
  bool done = true;
  for (const wchar_t* file : kWrittenFiles) {
    const std::wstring path = folder + L"\\" + file;
    done = (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ||
            SetAccess(path, L"D:", false)) &&
           done;
  }
  std::vector<BYTE> sid = GroupSid();
  if (sid.empty()) return done;
  done = ChangeRight(sid, false) && done;
  const NET_API_STATUS status = NetLocalGroupDel(nullptr, kGroupName);
  return (status == NERR_Success || status == NERR_GroupNotFound || status == ERROR_NO_SUCH_ALIAS ||
          Failed("NetLocalGroupDel", status)) &&
         done;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"add" && argc == 3) return Add(argv[2]) ? 0 : 1;
  if (command == L"remove" && argc == 3) return Remove(argv[2]) ? 0 : 1;
  std::printf("usage: operators-group add|remove <program folder>\n");
  return 2;
}
