// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a document on a worker thread for a window, so that a table of
// hundreds of megabytes never freezes it: reports the percentage done and the
// outcome on the thread that owns the runner. One document at a time.

#include "BackgroundJob.h"
#include "ExportDocuments.h"

#include <QObject>

#include <filesystem>

namespace kalto {

class ExportRunner : public QObject {
    Q_OBJECT

public:
    explicit ExportRunner(QObject* parent = nullptr);
    // Interrupts a document still being written and waits for its thread; the
    // unsaved document leaves no file.
    ~ExportRunner() override;

    ExportRunner(const ExportRunner&) = delete;
    ExportRunner& operator=(const ExportRunner&) = delete;

    // Starts writing `content` into `file`; does nothing while a document is
    // being written.
    void Start(std::filesystem::path file, ExportContent content, ExportSettings settings);

    [[nodiscard]] bool IsRunning() const noexcept { return Jobs.IsRunning(); }

signals:
    // The percentage done, 0 to 100, as it grows.
    void ProgressChanged(int percent);
    // The document is saved, or failed with the status's message.
    void Finished(kalto::ExportStatus status);

private:
    struct Job {
        std::filesystem::path File;
        ExportContent Content;
        ExportSettings Settings;
        ExportStatus Status;  // written by the worker before it reports
    };

    BackgroundJob<Job> Jobs;
};

}  // namespace kalto
