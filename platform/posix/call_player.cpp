// The call with GStreamer's playbin: it finds the decoder for the file's format, converts to
// what the output takes and plays to the desktop's sound server (autoaudiosink), or to the
// output the user names. GStreamer is started at the first call, not before.
#include "platform/call_player.h"

#include <gst/gst.h>

namespace veloranth::platform {
namespace {

constexpr guint kAudioOnly = 1 << 1;  // GST_PLAY_FLAG_AUDIO: no video, no subtitles

struct Playing {
    GstElement* pipeline = nullptr;
    guint watch = 0;
    std::function<void(const PlayOutcome&)> done;
};

Playing& Current() {
    static Playing playing;
    return playing;
}

void Finish(PlayOutcome outcome) {
    Playing& p = Current();
    if (p.pipeline == nullptr) {
        return;
    }
    gint64 position = 0;
    if (outcome.error.empty() &&
        gst_element_query_position(p.pipeline, GST_FORMAT_TIME, &position)) {
        outcome.seconds = static_cast<double>(position) / GST_SECOND;
    }
    gst_element_set_state(p.pipeline, GST_STATE_NULL);
    g_source_remove(p.watch);
    gst_object_unref(p.pipeline);
    p.pipeline = nullptr;
    auto done = std::move(p.done);
    p.done = nullptr;
    if (done) {
        done(outcome);
    }
}

gboolean OnMessage(GstBus*, GstMessage* message, gpointer) {
    PlayOutcome outcome;
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) {
        outcome.played = true;
        Finish(outcome);
    } else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
        GError* error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        outcome.error = error != nullptr ? error->message : "?";
        g_clear_error(&error);
        Finish(outcome);
    }
    return G_SOURCE_CONTINUE;
}

void Fail(const std::function<void(const PlayOutcome&)>& done, const std::string& error) {
    PlayOutcome outcome;
    outcome.error = error;
    done(outcome);
}

}  // namespace

void PlaySoundFile(const std::string& path, const std::string& sink,
                   const std::function<void(const PlayOutcome&)>& done) {
    StopSound();
    GError* error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        Fail(done, error != nullptr ? error->message : "GStreamer");
        g_clear_error(&error);
        return;
    }
    GstElement* pipeline = gst_element_factory_make("playbin", nullptr);
    gchar* uri = g_filename_to_uri(path.c_str(), nullptr, &error);
    if (pipeline == nullptr || uri == nullptr) {
        Fail(done, uri == nullptr ? error->message : "no GStreamer playbin element");
        g_clear_error(&error);
        g_free(uri);
        if (pipeline != nullptr) {
            gst_object_unref(pipeline);
        }
        return;
    }
    g_object_set(pipeline, "uri", uri, "flags", kAudioOnly, nullptr);
    g_free(uri);
    if (!sink.empty()) {
        GstElement* output = gst_parse_bin_from_description(sink.c_str(), TRUE, &error);
        if (output == nullptr) {
            Fail(done, error != nullptr ? error->message : sink);
            g_clear_error(&error);
            gst_object_unref(pipeline);
            return;
        }
        g_object_set(pipeline, "audio-sink", output, nullptr);
    }
    Playing& p = Current();
    p.pipeline = pipeline;
    p.done = done;
    GstBus* bus = gst_element_get_bus(pipeline);
    p.watch = gst_bus_add_watch(bus, OnMessage, nullptr);
    if (gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        // No output (no sound device, no server): the bus holds the reason.
        GstMessage* message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
        if (message != nullptr) {
            OnMessage(bus, message, nullptr);
            gst_message_unref(message);
        } else {
            PlayOutcome outcome;
            outcome.error = "the output refused to start";
            Finish(outcome);
        }
    }
    gst_object_unref(bus);
}

void StopSound() {
    PlayOutcome outcome;
    outcome.played = outcome.stopped = true;
    Finish(outcome);
}

}  // namespace veloranth::platform
