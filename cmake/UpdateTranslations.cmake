# Brings packaging/translations/halvo_<language>.ts up to date with the texts of the code, keeping every
# translation made. Run by the halvo-translations target (and `./halvo.sh translations`).
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DDIRS=... -DLANGUAGES=... -DTRANSLATIONS_DIR=... [-DOPTIONS=...]
#         -P UpdateTranslations.cmake
set(sources)
foreach(dir ${DIRS})
    list(APPEND sources ${SOURCE_DIR}/${dir})
endforeach()
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
foreach(language ${LANGUAGES})
    execute_process(
        COMMAND ${LUPDATE} -silent -locations relative -extensions cpp,h
                -tr-function-alias translate+=Translate,QT_TRANSLATE_NOOP+=HALVO_TRANSLATE_NOOP
                ${options} ${sources} -target-language ${language} -ts ${TRANSLATIONS_DIR}/halvo_${language}.ts
        WORKING_DIRECTORY ${SOURCE_DIR}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed for ${language}")
    endif()
endforeach()
