// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportRunner.h"

#include <new>
#include <thread>
#include <utility>

namespace kalto {

namespace {
constexpr std::string_view ExportOutOfMemory = "No se pudo crear el documento: no hay memoria suficiente.";
}

struct ExportRunner::Job {
    std::filesystem::path File;
    ExportContent Content;
    ExportSettings Settings;
    ExportStatus Status;  // written by the worker before it reports
    std::jthread Worker;  // last, so that it is joined before the rest goes
};

ExportRunner::ExportRunner(QObject* parent) : QObject(parent) {}

// The job's thread is asked to stop and joined with it; its reports, still
// queued, are discarded with this object.
ExportRunner::~ExportRunner() = default;

void ExportRunner::Start(std::filesystem::path file, ExportContent content, ExportSettings settings) {
    if (Current) return;
    Current = std::make_unique<Job>();
    Current->File = std::move(file);
    Current->Content = std::move(content);
    Current->Settings = std::move(settings);
    Current->Worker = std::jthread([this, job = Current.get()](std::stop_token stop) {
        const ExportProgress progress = [this](int percent) {
            QMetaObject::invokeMethod(
                this, [this, percent] { emit ProgressChanged(percent); }, Qt::QueuedConnection);
        };
        try {
            RtfWriter writer(job->File);
            job->Status = WriteDocument(writer, job->Content, job->Settings, progress, stop);
        } catch (const std::bad_alloc&) {
            // The writer, gone with the exception, has removed its temporary file.
            job->Status.ErrorMessage = std::string(ExportOutOfMemory);
        }
        QMetaObject::invokeMethod(
            this, [this] { JobFinished(); }, Qt::QueuedConnection);
    });
}

void ExportRunner::JobFinished() {
    std::unique_ptr<Job> job = std::move(Current);
    if (!job) return;
    job->Worker.join();  // it has just reported, so this returns at once
    emit Finished(job->Status);
}

}  // namespace kalto
