// What a greeting's message carries besides its text, made ready in a folder before the
// message goes out: the animated picture shown inside the message, "NAME.mp4" (the greeting
// with its sound as every phone and browser plays it) and "NAME.kel" (the greeting itself),
// made smaller until the whole message fits the size the mail server takes.
#pragma once

#include "playback/greetingmedia.h"

#include <cstdint>
#include <functional>
#include <string>

// The size a message may have when the mail server announces none ("MailSizeLimit"): the
// strictest large providers take 20 MB, and base64 makes the attachments a third larger.
constexpr int64_t kDefaultMailSizeLimit = 15LL * 1024 * 1024;
// The MIME type of an attached greeting file.
constexpr char kGreetingMimeType[] = "application/x-vimble-greeting";

// The bytes a file of size bytes takes in a message as base64 in lines of 76 characters.
int64_t Base64MessageBytes(int64_t bytes);

struct CMailMediaPlan {
    bool bPicture = true; // the inline picture (the HTML version of the text)
    bool bVideo = true; // "NAME.mp4"
    bool bGreeting = true; // "NAME.kel"
    // The message's size without the picture, the video and the greeting file: its header,
    // texts and any other attachment, as sent.
    int64_t nOtherBytes = 0;
    int64_t nLimit = kDefaultMailSizeLimit; // the whole message's largest size
    int64_t nMaxPictureBytes = 3 * 1024 * 1024; // the picture alone, before base64
};

struct CMailMedia {
    CGreetingMedia media; // the picture's bytes, and the video's description
    std::string strVideoPath; // "NAME.mp4" in the folder, when made
    std::string strGreetingPath; // "NAME.kel" in the folder, a copy of the project's bytes
    int64_t nGreetingBytes = 0;
    // Why the video is not there although it was asked for (no H.264 encoder installed), in
    // the person's language, like the reasons.
    std::string strVideoLeftOut;
    // The whole message's size as it will be sent, about.
    int64_t nMessageBytes = 0;
};

// "Picture 0.8 MB · video with sound 1.1 MB · greeting file 0.3 MB — about 2.9 MB" (UTF-8),
// naming only what the message carries.
std::string DescribeMailSize(const CMailMedia& media);
// "2.9 MB", "120 KB": a size as people read it, in their language and its decimal mark
// ("2,9 Mo" in French), UTF-8.
std::string HumanSize(int64_t bytes);

// Makes what plan asks for from the project file at projectPath into folder, the files named
// stem + ".mp4" and stem + ".kel". The project file is only read. While the message would be
// larger than plan.nLimit, the video is made smaller (its size, then its bit rate) and then
// the picture (its size, then its colours). False, with reason, when it cannot be made or
// nothing fits ("the greeting is 21.4 MB even with the smallest picture and video; the mail
// server takes 5.0 MB"); a cancel gives "the send was cancelled". The fonts need the
// application object (a QGuiApplication); the call may come from any thread.
bool PrepareMailMedia(const std::string& projectPath, const std::string& folder,
    const std::string& stem, const CMailMediaPlan& plan, CMailMedia& result, std::string& reason,
    const std::function<bool(const std::string& step, int nDone, int nTotal)>& progress = {});
