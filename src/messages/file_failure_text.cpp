// The words of a failed file operation, from its errno.
#include <cerrno>
#include <string>

#include "platform/text/file_failure.h"
#include "messages/messages.h"

namespace {

struct Reason {
  int error;
  const char* key;
};

// EPERM and EACCES read alike to a user: either way the file is not theirs to change.
constexpr Reason kReasons[] = {
    {EACCES, "PXFFACES"},     {kFolderNotWritable, "PXFFPASTA"}, {EPERM, "PXFFACES"},   {EROFS, "PXFFROFS"},
    {ENOSPC, "PXFFCHEIO"},    {EDQUOT, "PXFFCOTA"},              {ENOENT, "PXFFNOENT"}, {ENOTDIR, "PXFFNDIR"},
    {EISDIR, "PXFFISDIR"},    {EINVAL, "PXFFINVAL"},             {EFBIG, "PXFFGRANDE"}, {ENOMEM, "PXFFNOMEM"},
    {EOVERFLOW, "PXFFGRANDE"}, {ENAMETOOLONG, "PXFFNOME"},       {EIO, "PXFFIO"},       {EXDEV, "PXFFXDEV"},
    {EMFILE, "PXFFMFILE"},    {ENFILE, "PXFFNFILE"},             {ELOOP, "PXFFLOOP"},   {ETXTBSY, "PXFFTXT"},
    {EBUSY, "PXFFBUSY"},      {EEXIST, "PXFFEXIST"},             {ENOTEMPTY, "PXFFNVAZ"}, {EMLINK, "PXFFMLINK"},
    {ENXIO, "PXFFNODEV"},     {ENODEV, "PXFFNODEV"},             {EAGAIN, "PXFFAGAIN"}, {EINTR, "PXFFINTR"},
    {ESTALE, "PXFFSTALE"},    {ETIMEDOUT, "PXFFTIME"},           {EOPNOTSUPP, "PXFFNSUP"}, {ENOEXEC, "PXFFNEXEC"},
};

}  // namespace

std::string fileFailureReason(int error) {
  for (const Reason& reason : kReasons) {
    if (reason.error == error) return messageText(reason.key);
  }
  return withValues(messageText("PXFFNUM"), {std::to_string(error)});
}
