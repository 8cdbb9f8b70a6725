// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportRunner.h"

#include <new>
#include <utility>

namespace kalto {

namespace {
constexpr std::string_view ExportOutOfMemory = "No se pudo crear el documento: no hay memoria suficiente.";
}

ExportRunner::ExportRunner(QObject* parent) : QObject(parent), Jobs(*this) {}

// The job's thread is asked to stop and joined; its reports, still queued,
// are discarded with this object.
ExportRunner::~ExportRunner() = default;

void ExportRunner::Start(std::filesystem::path file, ExportContent content, ExportSettings settings) {
    if (Jobs.IsRunning()) return;
    auto job = std::make_shared<Job>();
    job->File = std::move(file);
    job->Content = std::move(content);
    job->Settings = std::move(settings);
    Jobs.Start(
        std::move(job),
        [this](Job& worker, std::stop_token stop) {
            const ExportProgress progress = [this](int percent) {
                QMetaObject::invokeMethod(
                    this, [this, percent] { emit ProgressChanged(percent); }, Qt::QueuedConnection);
            };
            try {
                RtfWriter writer(worker.File);
                worker.Status = WriteDocument(writer, worker.Content, worker.Settings, progress, stop);
            } catch (const std::bad_alloc&) {
                // The writer, gone with the exception, has removed its temporary file.
                worker.Status.ErrorMessage = std::string(ExportOutOfMemory);
            }
        },
        [this](Job& job) { emit Finished(job.Status); });
}

}  // namespace kalto
